# Reading a whole universe tree with the formats library: the sample universe (the assembled game
# folder, else data/) and a larger synthetic tree the bench writes itself.
velmarith_add_bench(bench_formats_universe ${CMAKE_CURRENT_LIST_DIR}/formats_universe.cpp)
target_link_libraries(bench_formats_universe PRIVATE formats)
target_compile_definitions(bench_formats_universe PRIVATE
  VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}" VELMARITH_DATA_DIR="${PROJECT_SOURCE_DIR}/data")

# Saved games of the sample universe: bytes written and read, the check against a game folder,
# and a whole save through a temporary file and a rename.
velmarith_add_bench(bench_formats_save ${CMAKE_CURRENT_LIST_DIR}/formats_save.cpp)
target_link_libraries(bench_formats_save PRIVATE formats)
target_compile_definitions(bench_formats_save PRIVATE VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}")
