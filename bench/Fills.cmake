brisel_bench(fills_bench SOURCES fills_bench.cpp LIBS brisel_canvas)
