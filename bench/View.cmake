brisel_bench(view_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/view_bench.cpp LIBS brisel_canvas)
