brisel_bench(pixel_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixel_bench.cpp LIBS brisel_pixel)
