brisel_bench(tools_ui_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools_ui_bench.cpp
  LIBS brisel_canvas_ui)
