# The game's start-up and frame figures; run against the assembled game folder.
velmarith_add_bench(bench_game_frames ${CMAKE_CURRENT_LIST_DIR}/game_frames.cpp)
target_link_libraries(bench_game_frames PRIVATE velmarith_game)
target_compile_definitions(bench_game_frames PRIVATE
  VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}")

# Saving and loading a game of the sample universe through game/save.
velmarith_add_bench(bench_game_save ${CMAKE_CURRENT_LIST_DIR}/game_save.cpp)
target_link_libraries(bench_game_save PRIVATE game_save)
target_compile_definitions(bench_game_save PRIVATE VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}")
