brisel_test(brisel_tools_tests
  SOURCES tools_freehand_test.cpp tools_shapes_test.cpp tools_plot_test.cpp tools_fake_context.h
  LIBS brisel_canvas)
