# The thirteen mouse cursors of the tools, drawn and written by our own
# generator into "Cursors" beside the program.
set(BRISEL_CURSORS_DIR "${BRISEL_DATA_DIR}/Cursors")
set(BRISEL_CURSOR_FILES)
foreach(name brush cross move patil pencil pick hot text sizer sizeb sizec spray zoom)
  list(APPEND BRISEL_CURSOR_FILES "${BRISEL_CURSORS_DIR}/${name}.cur")
endforeach()
add_custom_command(
  OUTPUT ${BRISEL_CURSOR_FILES}
  COMMAND brisel-make-cursors "${BRISEL_DATA_DIR}"
  DEPENDS brisel-make-cursors
  COMMENT "Drawing the mouse cursors of Cursors"
  VERBATIM)
add_custom_target(brisel_data_cursors ALL DEPENDS ${BRISEL_CURSOR_FILES})
add_dependencies(brisel_data brisel_data_cursors)
install(DIRECTORY "${BRISEL_CURSORS_DIR}" DESTINATION ${BRISEL_INSTALL_DATADIR})
