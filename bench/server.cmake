# The game server under load on loopback: a soak run of many players, and two players under spam.
# Each takes --help; --seconds shortens a run.
add_library(bench_server_support STATIC ${CMAKE_CURRENT_LIST_DIR}/server_bench.cpp)
target_link_libraries(bench_server_support PUBLIC formats)
foreach(name soak spam)
  velmarith_add_bench(bench_server_${name} ${CMAKE_CURRENT_LIST_DIR}/server_${name}.cpp)
  target_link_libraries(bench_server_${name} PRIVATE bench_server_support)
  add_dependencies(bench_server_${name} velmarith-server)
  target_compile_definitions(bench_server_${name} PRIVATE
    VELMARITH_SERVER_BINARY="$<TARGET_FILE:velmarith-server>")
endforeach()
