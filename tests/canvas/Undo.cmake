brisel_test(brisel_undo_tests SOURCES undo_history_test.cpp LIBS brisel_canvas)
# Undo and redo driven through the editing session.
brisel_test(brisel_session_undo_tests
  SOURCES SessionUndoTest.cpp
  LIBS brisel_canvas brisel_test_prompter Qt6::Test)
