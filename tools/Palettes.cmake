# The generator of the default palettes, the colour chart and the gradient bar
# background; data/Palettes.cmake runs it.
add_executable(brisel-make-data make_palettes.cpp)
target_link_libraries(brisel-make-data PRIVATE Qt6::Gui brisel_document)
set_target_properties(brisel-make-data PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
