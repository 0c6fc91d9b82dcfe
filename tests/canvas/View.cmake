brisel_test(view_tests
  SOURCES WorkViewGeometryTest.cpp RenderWorkViewTest.cpp SelectionFrameTest.cpp
  LIBS brisel_canvas)
brisel_test(view_widget_tests SOURCES WorkViewTest.cpp LIBS brisel_canvas_ui WIDGETS)
brisel_test(view_hidpi_tests SOURCES WorkViewHiDpiTest.cpp LIBS brisel_canvas_ui WIDGETS)
brisel_test(view_panel_tests SOURCES WorkPanelTest.cpp
  LIBS brisel_canvas_ui brisel_test_prompter WIDGETS)
