# The document model, captions and thumbnails, and the palettes.
list(APPEND BRISEL_DOCUMENT_SOURCES
  IconDocument.cpp
  ImageCaption.cpp
  Thumbnail.cpp
  Bmp.cpp
  DefaultPalette.cpp
  PaletteFile.cpp
  PaletteGrid.cpp
  PaletteOps.cpp
)
