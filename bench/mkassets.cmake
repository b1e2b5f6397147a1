# Time to generate the whole game folder from data/ (the build step that runs on data changes).
if(TARGET mkassets_lib)
  velmarith_add_bench(bench_mkassets ${CMAKE_CURRENT_LIST_DIR}/mkassets_folder.cpp)
  target_link_libraries(bench_mkassets PRIVATE mkassets_lib)
  target_compile_definitions(bench_mkassets PRIVATE MKASSETS_BENCH_DATA="${PROJECT_SOURCE_DIR}/data")
endif()
