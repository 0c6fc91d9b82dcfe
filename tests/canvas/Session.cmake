# The scripted Prompter every session and window test answers questions with.
add_library(brisel_test_prompter STATIC
  ${CMAKE_SOURCE_DIR}/tests/support/ScriptedPrompter.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/ScriptedPrompter.h)
target_include_directories(brisel_test_prompter PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(brisel_test_prompter PUBLIC brisel_canvas GTest::gtest)

find_package(Qt6 REQUIRED COMPONENTS Test)
brisel_test(brisel_session_tests
  SOURCES SessionNewTest.cpp SessionSettingsTest.cpp
  LIBS brisel_canvas brisel_test_prompter Qt6::Test)
