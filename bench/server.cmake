# Soak run of velmarith-server with simulated players on loopback (--seconds to shorten it).
velmarith_add_bench(bench_server_soak ${CMAKE_CURRENT_LIST_DIR}/server_soak.cpp)
target_link_libraries(bench_server_soak PRIVATE formats)
add_dependencies(bench_server_soak velmarith-server)
target_compile_definitions(bench_server_soak PRIVATE
  VELMARITH_SERVER_BINARY="$<TARGET_FILE:velmarith-server>")
