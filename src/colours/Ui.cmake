# The colours panel's widgets: the palette box, the swatches, the alpha slider
# and the recolouring buttons, bound to the editing session.
brisel_ui_library(brisel_colours_ui
  SOURCES
    AlphaSliderView.h AlphaSliderView.cpp
    ColourGlyphs.h ColourGlyphs.cpp
    ColoursBoxView.h ColoursBoxView.cpp
    ColoursPanel.h ColoursPanel.cpp
    ColourSwatches.h ColourSwatches.cpp
  LIBS brisel_colours brisel_canvas)
