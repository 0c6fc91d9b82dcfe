# The file commands and recent files in the window, and the program's cursors.
brisel_test(brisel_app_files_tests
  SOURCES MainFormTestSupport.h MainFormFilesTest.cpp ProgramCursorsTest.cpp
  LIBS brisel_app_ui brisel_test_prompter Qt6::Test
  WIDGETS)
