# The network client: handling a frame's worth of other players' messages.
velmarith_add_bench(bench_net_messages ${CMAKE_CURRENT_LIST_DIR}/net_messages.cpp)
target_link_libraries(bench_net_messages PRIVATE game_net)
# Other players' ships: how closely they follow replayed movement reports of four kinds of flight.
velmarith_add_bench(bench_net_remote_ships ${CMAKE_CURRENT_LIST_DIR}/net_remote_ships.cpp)
target_link_libraries(bench_net_remote_ships PRIVATE game_flight)
