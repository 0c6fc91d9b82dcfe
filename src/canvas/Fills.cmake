# The fill tool and the gradient it paints (widget-free).
list(APPEND BRISEL_CANVAS_SOURCES
  tools/FillArea.h tools/FillArea.cpp
  tools/FillOptions.h
  tools/FillTool.h tools/FillTool.cpp
  tools/GradientBar.h tools/GradientBar.cpp
  tools/GradientFill.h tools/GradientFill.cpp
  tools/GradientModel.h tools/GradientModel.cpp
  tools/GradientStops.h tools/GradientStops.cpp
)
