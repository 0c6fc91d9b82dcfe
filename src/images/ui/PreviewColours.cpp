#include "images/ui/PreviewColours.h"

#include <QObject>

namespace {

// RGB as written (#RRGGBB) to the program's colour value (red in the low byte).
constexpr TColor rgb(std::uint32_t Hex) {
    return ((Hex >> 16) & 0xFF) | (Hex & 0xFF00) | ((Hex & 0xFF) << 16);
}

} // namespace

std::vector<PreviewColourEntry> previewColourEntries() {
    return {
        {QStringLiteral("Black"), rgb(0x000000)},       {QStringLiteral("Maroon"), rgb(0x800000)},
        {QStringLiteral("Green"), rgb(0x008000)},       {QStringLiteral("Olive"), rgb(0x808000)},
        {QStringLiteral("Navy"), rgb(0x000080)},        {QStringLiteral("Purple"), rgb(0x800080)},
        {QStringLiteral("Teal"), rgb(0x008080)},        {QStringLiteral("Gray"), rgb(0x808080)},
        {QStringLiteral("Silver"), rgb(0xC0C0C0)},      {QStringLiteral("Red"), rgb(0xFF0000)},
        {QStringLiteral("Lime"), rgb(0x00FF00)},        {QStringLiteral("Yellow"), rgb(0xFFFF00)},
        {QStringLiteral("Blue"), rgb(0x0000FF)},        {QStringLiteral("Fuchsia"), rgb(0xFF00FF)},
        {QStringLiteral("Aqua"), rgb(0x00FFFF)},        {QStringLiteral("White"), rgb(0xFFFFFF)},
        {QStringLiteral("MoneyGreen"), rgb(0xC0DCC0)},  {QStringLiteral("SkyBlue"), rgb(0xA6CAF0)},
        {QStringLiteral("Cream"), rgb(0xFFFBF0)},       {QStringLiteral("MedGray"), rgb(0xA0A0A4)},
        {QObject::tr("Custom..."), PreviewCustomStart},
    };
}
