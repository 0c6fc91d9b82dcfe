# The work view: zoom, display picture, grid and selection frame (core), and
# the paint box that shows them (window layer).
list(APPEND BRISEL_CANVAS_SOURCES
  WorkViewGeometry.h WorkViewGeometry.cpp
  RenderWorkView.h RenderWorkView.cpp
  SelectionFrame.h SelectionFrame.cpp
  WorkMouse.h
)
list(APPEND BRISEL_CANVAS_UI_SOURCES
  WorkView.h WorkView.cpp
  WorkPanelParts.h WorkPanelParts.cpp
)
