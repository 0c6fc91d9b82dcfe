# Default palettes, colour chart and gradient bar background, made by our own
# generator into "Use Files" beside the program.
set(BRISEL_USE_FILES_DIR "${BRISEL_DATA_DIR}/Use Files")
set(BRISEL_PALETTE_FILES
  "${BRISEL_USE_FILES_DIR}/2.bmp"
  "${BRISEL_USE_FILES_DIR}/16.bmp"
  "${BRISEL_USE_FILES_DIR}/256.bmp"
  "${BRISEL_USE_FILES_DIR}/True.bmp"
  "${BRISEL_USE_FILES_DIR}/Tra.bmp")
add_custom_command(
  OUTPUT ${BRISEL_PALETTE_FILES}
  COMMAND brisel-make-data "${BRISEL_DATA_DIR}"
  DEPENDS brisel-make-data
  COMMENT "Generating the palettes and pictures of Use Files"
  VERBATIM)
add_custom_target(brisel_data_palettes ALL DEPENDS ${BRISEL_PALETTE_FILES})
add_dependencies(brisel_data brisel_data_palettes)
install(DIRECTORY "${BRISEL_USE_FILES_DIR}" DESTINATION ${BRISEL_INSTALL_DATADIR})
