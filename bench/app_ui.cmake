tagpress_benchmark(app_ui_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_ui_bench.cpp
  DEPENDS tagpress_app_ui Qt6::Test
)
target_compile_definitions(app_ui_bench PRIVATE TAGPRESS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
