#include "app/RecentIcon.h"

#include "document/file/AniPlan.h"
#include "document/file/IconByteCursor.h"
#include "document/file/IconReader.h"
#include "pixel/TColor32.h"

#include <QFile>
#include <QPainter>

namespace {

constexpr int Side = 24;
// A menu icon is not worth reading more than this.
constexpr qint64 MaxFileSize = qint64(64) << 20;

bool isSide(const RecentIconEntry& E) {
    return E.Width == Side && E.Height == Side;
}

} // namespace

int ChooseRecentIconEntry(const std::vector<RecentIconEntry>& Entries) {
    if (Entries.empty()) return -1;
    int best = 0;
    for (int i = 1; i < int(Entries.size()); ++i) {
        const RecentIconEntry& c = Entries[std::size_t(i)];
        const auto b = [&] { return Entries[std::size_t(best)]; };
        if (b().Width > Side && b().Height > Side) {
            if (isSide(c)) best = i;
            if (c.Width < b().Width && c.Height < b().Height && c.Width > Side && c.Height > Side)
                best = i;
        }
        if (b().Width < Side && b().Height < Side) {
            if (isSide(c)) best = i;
            if (c.Width > b().Width && c.Height > b().Height) best = i;
        }
        if (c.Width == b().Width && c.Height == b().Height) {
            if (b().Colours < c.Colours && b().Colours != 0) best = i;
            if (c.Colours == 0 && b().Colours != 0) best = i;
        }
    }
    return best;
}

QImage MakeRecentIcon(const QString& Path, const TransparencySettings& Settings) {
    QFile file(Path);
    if (!file.exists() || file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::size_t size = std::size_t(bytes.size());
    // An animated cursor is shown by the frame of its first step.
    if (LooksLikeAniFile(data, size) && !AniFirstStepFrame(data, size, data, size)) return {};
    try {
        IconByteCursor in(data, std::int64_t(size));
        const std::uint16_t reserved = in.u16();
        const std::uint16_t type = in.u16();
        const int count = in.u16();
        if (reserved != 0 || type > IconFile::TypeCursor || count == 0) return {};
        std::vector<RecentIconEntry> entries(static_cast<std::size_t>(count));
        for (RecentIconEntry& e : entries) {
            e.Width = IconFile::SideOfByte(in.u8());
            e.Height = IconFile::SideOfByte(in.u8());
            e.Colours = in.u8();
            in.skip(13); // reserved, planes or hot spot, data size, offset
        }
        // The one reader decodes the chosen image, bitmap or PNG picture:
        // its mask is applied as Open applies it.
        const IconRaster pixels =
            DecodeIconFileImage(data, size, std::string(), Settings, ChooseRecentIconEntry(entries));

        QImage picture(pixels.Width, pixels.Height, QImage::Format_RGB32);
        picture.fill(RecentIconBackground);
        for (int y = 0; y < pixels.Height; ++y) {
            const std::uint32_t* row = pixels.Pixels.data() + std::size_t(y) * std::size_t(pixels.Width);
            QRgb* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < pixels.Width; ++x)
                if (AlphaOf(row[x]) > Settings.TraRange) {
                    const TColor c = Color32ToColor(row[x]);
                    out[x] = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
                }
        }
        QImage icon = picture.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        icon.setPixel(0, Side - 1, RecentIconBackground);
        return icon;
    } catch (const std::exception&) {
        return {};
    }
}
