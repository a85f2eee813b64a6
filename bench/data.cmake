tagpress_benchmark(data_bench
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/data_file_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/serial_generator_bench.cpp
  DEPENDS tagpress_data
)
