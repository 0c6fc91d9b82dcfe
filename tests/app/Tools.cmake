# The painting tools in the main window.
brisel_test(brisel_app_tools_tests
  SOURCES MainFormTestSupport.h MainFormToolsTest.cpp MainFormFirstUseTest.cpp
  LIBS brisel_app_ui brisel_test_prompter Qt6::Test
  WIDGETS)
