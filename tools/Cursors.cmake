# The generator of the program's mouse cursors; data/Cursors.cmake runs it.
add_executable(brisel-make-cursors make_cursors.cpp)
target_link_libraries(brisel-make-cursors PRIVATE Qt6::Gui brisel_document)
set_target_properties(brisel-make-cursors PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
