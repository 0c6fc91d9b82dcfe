brisel_bench(palettes_bench SOURCES palettes_bench.cpp LIBS brisel_document)
if(TARGET brisel_data_palettes)
  add_dependencies(palettes_bench brisel_data_palettes)
endif()
