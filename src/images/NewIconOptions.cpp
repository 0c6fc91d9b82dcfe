#include "images/NewIconOptions.h"

#include <algorithm>

QStringList NewIconOptions::sizeItems() {
    QStringList items;
    for (int s : Sizes)
        items << QStringLiteral("%1 x %1").arg(s);
    items << QStringLiteral("Custom...");
    return items;
}

QStringList NewIconOptions::formatItems() {
    return {QStringLiteral("2 Colors (1bit)"), QStringLiteral("16 Colors (4bit)"),
            QStringLiteral("256 Colors (8bit)"), QStringLiteral("True Color (24bit)"),
            QStringLiteral("True Color with Alpha (32bit)")};
}

NewIconChoice NewIconOptions::choice() const {
    NewIconChoice c;
    if (customSize()) {
        c.Width = std::clamp(CustomWidth, MinSide, MaxSide);
        c.Height = std::clamp(CustomHeight, MinSide, MaxSide);
    } else if (SizeIndex >= 0 && SizeIndex < int(Sizes.size())) {
        c.Width = c.Height = Sizes[std::size_t(SizeIndex)];
    }
    if (FormatIndex >= 0 && FormatIndex < int(Formats.size()))
        c.Format = Formats[std::size_t(FormatIndex)];
    return c;
}
