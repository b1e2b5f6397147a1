# The system editor: loading and saving the largest sample system, and one map redraw.
if(TARGET sysedit_map)
  velmarith_add_bench(sysedit_bench ${CMAKE_CURRENT_LIST_DIR}/sysedit_bench.cpp)
  target_link_libraries(sysedit_bench PRIVATE sysedit_map)
  target_compile_definitions(sysedit_bench PRIVATE VELMARITH_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
