brisel_bench(codec_bench SOURCES codec_bench.cpp LIBS brisel_document)
