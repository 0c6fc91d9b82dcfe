brisel_test(brisel_fills_tests
  SOURCES fills_gradient_test.cpp fills_tool_test.cpp
  LIBS brisel_canvas)
