# The dealers' screens built from long offer lists.
velmarith_add_bench(bench_station_dealers ${CMAKE_CURRENT_LIST_DIR}/station_dealers.cpp)
target_link_libraries(bench_station_dealers PRIVATE game_stations)
