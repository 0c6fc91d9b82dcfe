brisel_test(codec_tests
  SOURCES
    codec_support.cpp
    codec_writer_test.cpp
    codec_reader_test.cpp
    codec_roundtrip_test.cpp
    codec_save_test.cpp
    codec_png_test.cpp
  LIBS brisel_document)

brisel_test(codec_interop_tests
  SOURCES
    codec_support.cpp
    interop_support.cpp
    codec_interop_test.cpp
    codec_png_interop_test.cpp
  LIBS brisel_document)
