# The media layer's figures: how long the end of a run takes after "Beenden".
velmarith_add_bench(bench_media_quit ${CMAKE_CURRENT_LIST_DIR}/media_quit.cpp)
target_link_libraries(bench_media_quit PRIVATE velmarith_game SDL2::SDL2)
target_compile_definitions(bench_media_quit PRIVATE VELMARITH_GAME_DIR="${VELMARITH_GAME_DIR}")

# The CPU renderer's fill rates per instruction set.
velmarith_add_bench(bench_media_fill ${CMAKE_CURRENT_LIST_DIR}/media_fill.cpp)
target_link_libraries(bench_media_fill PRIVATE bench_game_support)
