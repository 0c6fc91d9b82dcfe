brisel_bench(tools_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools_bench.cpp LIBS brisel_canvas)
