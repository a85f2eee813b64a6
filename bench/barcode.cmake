tagpress_benchmark(barcode_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/barcode_bench.cpp
  DEPENDS tagpress_barcode tagpress_platform_qt Qt6::Gui
)
