# The painting tools in the window: the session's side of the tool context
# (core), and the tools panel, option panels, brush editor and gradient bar
# (window layer).
list(APPEND BRISEL_CANVAS_SOURCES
  SessionTools.h SessionTools.cpp
)
list(APPEND BRISEL_CANVAS_UI_SOURCES
  ToolGlyphs.h ToolGlyphs.cpp
  ToolsPanel.h ToolsPanel.cpp
  BrushShapeEditor.h BrushShapeEditor.cpp
  GradientBarWidget.h GradientBarWidget.cpp
  OptionPanels.h OptionPanels.cpp FillOptionsPanel.cpp
  ToolsUi.h ToolsUi.cpp
)
