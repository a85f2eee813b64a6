tagpress_benchmark(script_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/script_bench.cpp DEPENDS tagpress_script)
