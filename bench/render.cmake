tagpress_benchmark(render_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp
  DEPENDS tagpress_render_qt tagpress_app_export Qt6::Gui
)
