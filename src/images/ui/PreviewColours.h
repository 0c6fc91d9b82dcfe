#pragma once

#include "pixel/TColor32.h"

#include <QString>
#include <vector>

// The entries of the preview's background list: the named colours, then
// "Custom...", whose colour is the last one chosen for it.
struct PreviewColourEntry {
    QString Name;
    TColor Colour;
};

std::vector<PreviewColourEntry> previewColourEntries();

// The colour "Custom..." starts with.
inline constexpr TColor PreviewCustomStart = 0xABCDEF;
