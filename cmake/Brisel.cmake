# Every library exposes src/ as its include root, so an include names the
# folder it comes from ("session/EditSession.h") and says which layer it
# reaches into.
set(BRISEL_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
cmake_path(NORMAL_PATH BRISEL_SOURCE_ROOT)

# brisel_core_library(NAME SOURCES... [LIBS ...]) : a widget-free core library.
# brisel_check_layers() refuses one that reaches Qt Widgets, so the layering is
# checked by the build, not by discipline.
function(brisel_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${BRISEL_SOURCE_ROOT})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES BRISEL_CORE ON)
endfunction()

function(brisel_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${BRISEL_SOURCE_ROOT})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_LIBS})
endfunction()

# Layering: no core library may reach Qt Widgets, directly or through another
# of our libraries, however the link is spelled: Qt6::Widgets, Qt::Widgets, a
# plain library name or a generator expression such as
# $<BUILD_INTERFACE:Qt::Widgets> or $<LINK_ONLY:brisel_x_ui>.
function(_brisel_check_core target seen)
  get_target_property(libs ${target} LINK_LIBRARIES)
  get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
  foreach(lib IN LISTS libs ilibs)
    if(lib MATCHES "-NOTFOUND$" OR lib STREQUAL "")
      continue()
    endif()
    if(lib MATCHES "Widgets")
      message(FATAL_ERROR "core library ${seen} must not link Qt Widgets (${lib} in ${target})")
    endif()
    string(REGEX MATCHALL "brisel_[A-Za-z0-9_]+" named "${lib}")
    foreach(dep IN LISTS named)
      if(TARGET ${dep} AND NOT dep STREQUAL target)
        get_target_property(type ${dep} TYPE)
        if(NOT type STREQUAL "EXECUTABLE")
          _brisel_check_core(${dep} ${seen})
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

function(_brisel_collect_targets dir out)
  get_property(t DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(s ${subs})
    _brisel_collect_targets(${s} more)
    list(APPEND t ${more})
  endforeach()
  set(${out} ${t} PARENT_SCOPE)
endfunction()

# brisel_check_layers(DIR) : checks every core library defined below DIR.
function(brisel_check_layers dir)
  _brisel_collect_targets(${dir} targets)
  foreach(t ${targets})
    get_target_property(core ${t} BRISEL_CORE)
    if(core)
      _brisel_check_core(${t} ${t})
    endif()
  endforeach()
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
