tagpress_benchmark(print_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/page_document_bench.cpp
  DEPENDS tagpress_print tagpress_platform_qt Qt6::Gui)
