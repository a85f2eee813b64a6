tagpress_benchmark(script_library_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/script_library_bench.cpp
  DEPENDS tagpress_script tagpress_platform
)
