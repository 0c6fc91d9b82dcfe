#pragma once

#include "pixel/TColor32.h"

#include <QStringList>
#include <array>
#include <optional>

// The 16 custom colours of the colour dialog, kept the way the settings know
// them: a list of lines "Color" + letter + "=" + six hex digits of the RGB
// value (red in the low byte), letter A for custom colour 0 up to P for 15.
// Only the colours that were ever set have a line.
class CustomColours {
public:
    static constexpr int Count = 16;

    const QStringList& lines() const { return m_lines; }
    void clear() { m_lines.clear(); }
    // Adds the line for slot i (0..15) with a stored value (six hex digits).
    void addLine(int Slot, const QString& Value);

    // The colour of each slot that has a readable line.
    std::array<std::optional<TColor>, Count> slotColours() const;
    // What the dialog hands back: every slot set, in order.
    void setSlots(const std::array<TColor, Count>& Colours);

    static QString hexValue(TColor C);

private:
    QStringList m_lines;
};
