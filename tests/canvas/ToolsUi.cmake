# The painting tools in the window, driven through the real work view.
find_package(Qt6 REQUIRED COMPONENTS Test)
brisel_test(brisel_tools_ui_tests
  SOURCES tools_ui_support.h ToolsUiTest.cpp ToolsPaintTest.cpp
  LIBS brisel_canvas_ui brisel_test_prompter Qt6::Test
  WIDGETS)
