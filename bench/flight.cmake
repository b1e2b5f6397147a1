# Flight: a busy frame of the start system headless (simulation and drawing apart), and the frame
# cap held with a window (under Xvfb when there is no display).
velmarith_add_bench(bench_flight_frames ${CMAKE_CURRENT_LIST_DIR}/flight_frames.cpp)
target_link_libraries(bench_flight_frames PRIVATE bench_game_support)

velmarith_add_bench(bench_flight_frame_cap ${CMAKE_CURRENT_LIST_DIR}/flight_frame_cap.cpp)
target_link_libraries(bench_flight_frame_cap PRIVATE velmarith_game)
target_compile_definitions(bench_flight_frame_cap PRIVATE VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}")

# A system that lives: five minutes of the start system's traffic, what became of every ship.
velmarith_add_bench(bench_traffic_life ${CMAKE_CURRENT_LIST_DIR}/traffic_life.cpp)
target_link_libraries(bench_traffic_life PRIVATE bench_game_support)

# A battle of 200 computer ships round the camera: the simulation and the whole frame.
velmarith_add_bench(bench_battle ${CMAKE_CURRENT_LIST_DIR}/battle.cpp)
target_link_libraries(bench_battle PRIVATE bench_game_support)
