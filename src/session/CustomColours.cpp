#include "session/CustomColours.h"

namespace {
const QString Prefix = QStringLiteral("Color");
constexpr int PrefixLength = 7; // "ColorA="
} // namespace

QString CustomColours::hexValue(TColor C) {
    return QStringLiteral("%1").arg(C & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

void CustomColours::addLine(int Slot, const QString& Value) {
    if (Slot < 0 || Slot >= Count) return;
    m_lines.append(Prefix + QChar(char16_t(u'A' + Slot)) + QLatin1Char('=') + Value);
}

std::array<std::optional<TColor>, CustomColours::Count> CustomColours::slotColours() const {
    std::array<std::optional<TColor>, Count> out{};
    for (const QString& line : m_lines) {
        if (line.size() < PrefixLength || !line.startsWith(Prefix) ||
            line.at(PrefixLength - 1) != QLatin1Char('='))
            continue;
        const int slot = line.at(PrefixLength - 2).unicode() - u'A';
        if (slot < 0 || slot >= Count) continue;
        bool ok = false;
        const uint value = line.mid(PrefixLength).toUInt(&ok, 16);
        if (ok) out[std::size_t(slot)] = TColor(value & 0xFFFFFFu);
    }
    return out;
}

void CustomColours::setSlots(const std::array<TColor, Count>& Colours) {
    m_lines.clear();
    for (int i = 0; i < Count; ++i)
        addLine(i, hexValue(Colours[std::size_t(i)]));
}
