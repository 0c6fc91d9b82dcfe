# The help document, copied beside the program and installed with the data.
set(BRISEL_HELP_SOURCE "${CMAKE_SOURCE_DIR}/docs/help/briselhelp.html")
set(BRISEL_HELP_FILE "${BRISEL_DATA_DIR}/briselhelp.html")
add_custom_command(
  OUTPUT "${BRISEL_HELP_FILE}"
  COMMAND ${CMAKE_COMMAND} -E copy "${BRISEL_HELP_SOURCE}" "${BRISEL_HELP_FILE}"
  DEPENDS "${BRISEL_HELP_SOURCE}"
  COMMENT "Copying the help document"
  VERBATIM)
add_custom_target(brisel_data_help ALL DEPENDS "${BRISEL_HELP_FILE}")
add_dependencies(brisel_data brisel_data_help)
install(FILES "${BRISEL_HELP_FILE}" DESTINATION ${BRISEL_INSTALL_DATADIR})
