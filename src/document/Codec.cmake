# The icon/cursor file codec: pure functions over bytes, no widgets.
list(APPEND BRISEL_DOCUMENT_SOURCES
  IconFileFormat.cpp
  IconImageData.cpp
  IconFileReader.cpp
  IconFileWriter.cpp
)
