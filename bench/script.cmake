tagpress_benchmark(script_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/script_bench.cpp DEPENDS tagpress_script)
# Label text expansion drives the executor once per bracket of every label.
tagpress_benchmark(script_label_text_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/script_label_text_bench.cpp
  DEPENDS tagpress_print)
