tagpress_benchmark(label_text_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/label_text_bench.cpp DEPENDS tagpress_print)
