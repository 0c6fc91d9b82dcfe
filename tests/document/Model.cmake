brisel_test(document_model_tests SOURCES document_model_test.cpp LIBS brisel_document)
brisel_test(document_palette_tests SOURCES palette_file_test.cpp palette_ops_test.cpp
  LIBS brisel_document)
