# The flight HUD headless: a frame's overlay with no panel, with each panel open, and the panels'
# renders, which happen only when a panel opens or changes.
velmarith_add_bench(bench_hud_frames ${CMAKE_CURRENT_LIST_DIR}/hud_frames.cpp)
target_link_libraries(bench_hud_frames PRIVATE bench_game_support)
