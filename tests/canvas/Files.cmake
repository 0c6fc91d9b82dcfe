# The file commands, the recent files and the desktop's recently-used list.
find_package(Qt6 REQUIRED COMPONENTS Test Xml)
brisel_test(brisel_files_tests
  SOURCES files_support.h files_support.cpp SessionFilesTest.cpp RecentFilesTest.cpp
  LIBS brisel_canvas brisel_test_prompter Qt6::Test Qt6::Xml)
