# The painting tools: the mouse protocol, the freehand, shape and text tools,
# and the antialiased plotters (widget-free).
list(APPEND BRISEL_CANVAS_SOURCES
  tools/AAPlot.h tools/AAPlot.cpp
  tools/AAShapes.h tools/AAShapes.cpp
  tools/BrushShape.h tools/BrushShape.cpp
  tools/CoverageMap.h
  tools/Tool.h
  tools/ToolContext.h
  tools/ToolController.h tools/ToolController.cpp
  tools/ToolInfo.h tools/ToolInfo.cpp
  tools/ToolOptions.h
  tools/PencilTool.h tools/PencilTool.cpp
  tools/BrushTool.h tools/BrushTool.cpp
  tools/EraserTool.h tools/EraserTool.cpp
  tools/SprayTool.h tools/SprayTool.cpp
  tools/PickTool.h tools/PickTool.cpp
  tools/HotSpotTool.h tools/HotSpotTool.cpp
  tools/DragShapeTool.h tools/DragShapeTool.cpp
  tools/LineTool.h tools/LineTool.cpp
  tools/RectangleTool.h tools/RectangleTool.cpp
  tools/EllipseTool.h tools/EllipseTool.cpp
  tools/RoundRectTool.h tools/RoundRectTool.cpp
  tools/ClickSequenceTool.h tools/ClickSequenceTool.cpp
  tools/CurveTool.h tools/CurveTool.cpp
  tools/PolygonTool.h tools/PolygonTool.cpp
  tools/TextTool.h tools/TextTool.cpp
)
