# brisel_core_library(NAME SOURCES... [LIBS ...]) : a widget-free core library.
# Linking Qt6::Widgets into one of these is refused, so the layering is checked
# by the build, not by discipline.
function(brisel_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES BRISEL_CORE ON)
endfunction()

function(brisel_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_LIBS})
endfunction()

# brisel_test(NAME SOURCES... LIBS... [WIDGETS]) : one GoogleTest program.
# Every test runs headless; widget tests get a main() that creates the
# QApplication, core tests a QGuiApplication (fonts need one).
function(brisel_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE brisel_testmain_widgets)
  else()
    target_link_libraries(${name} PRIVATE brisel_testmain_gui)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    BRISEL_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    BRISEL_DATA_DIR="${BRISEL_DATA_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  if(TARGET brisel_data)
    add_dependencies(${name} brisel_data)
  endif()
endfunction()
