#include "colours/DisplayColours.h"

DisplayColourUpdate chooseDisplayColour(DisplayColour Which, std::optional<TColor> Chosen,
                                        TColor& Setting) {
    DisplayColourUpdate u;
    if (!Chosen) return u;
    Setting = Color32ToColor(*Chosen);
    u.Changed = true;
    u.RebuildColoursBox = Which != DisplayColour::GridColor;
    u.RenderWorkView = true;
    return u;
}
