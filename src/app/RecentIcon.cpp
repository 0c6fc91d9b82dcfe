#include "app/RecentIcon.h"

#include "document/IconByteCursor.h"
#include "document/IconFileFormat.h"
#include "document/IconImageData.h"

#include <QFile>
#include <QPainter>

namespace {

constexpr int Side = 24;
// A menu icon is not worth reading more than this.
constexpr qint64 MaxFileSize = qint64(64) << 20;

struct Entry {
    RecentIconEntry Bytes;
    std::uint32_t Offset = 0;
};

bool isSide(const RecentIconEntry& E) {
    return E.Width == Side && E.Height == Side;
}

// The pixels of one entry with the mask applied the way the reader applies it:
// masked pixels get alpha 0, except 32-bit pixels that carry alpha of their own.
TBitmap32 readEntry(IconByteCursor& In, const Entry& E) {
    In.seek(E.Offset);
    const std::uint32_t headerSize = In.u32();
    In.skip(10); // width, height, planes: the directory gives the size
    const int bitCount = In.u16();
    In.skip(16); // compression, image size, resolutions
    const std::uint32_t coloursUsed = In.u32();
    if (headerSize < std::uint32_t(IconFile::InfoHeaderSize) ||
        !IconFile::IsSupportedBitCount(bitCount))
        throw IconByteCursor::Overrun();
    In.seek(E.Offset + std::int64_t(headerSize));

    PalettePicture palette;
    const int fullTable = IconFile::ColourTableEntries(bitCount);
    if (fullTable > 0) {
        const int listed = coloursUsed != 0 && coloursUsed <= std::uint32_t(fullTable)
                               ? int(coloursUsed)
                               : fullTable;
        std::vector<TColor> entries(std::size_t(fullTable), 0);
        for (int i = 0; i < listed; ++i) {
            const std::uint8_t* bgr = In.peek(4);
            entries[std::size_t(i)] =
                TColor(bgr[2]) | (TColor(bgr[1]) << 8) | (TColor(bgr[0]) << 16);
            In.skip(4);
        }
        palette = PalettePicture::fromEntries(entries);
    }
    TBitmap32 colours(E.Bytes.Width, E.Bytes.Height);
    ReadImageData(colours, palette, bitCount, In);
    TBitmap32 mask(E.Bytes.Width, E.Bytes.Height);
    static const PalettePicture maskPalette = PalettePicture::fromEntries({0x000000, 0xFFFFFF});
    ReadImageData(mask, maskPalette, 1, In);
    for (std::size_t i = 0; i < colours.Bits.size(); ++i) {
        if (Color32ToColor(mask.Bits[i]) != 0xFFFFFFu) continue;
        if (bitCount == 32 && AlphaOf(colours.Bits[i]) != 0) continue;
        colours.Bits[i] = SetAlpha(Color32ToColor(colours.Bits[i]), 0);
    }
    return colours;
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
    try {
        IconByteCursor in(bytes);
        const std::uint16_t reserved = in.u16();
        const std::uint16_t type = in.u16();
        const int count = in.u16();
        if (reserved != 0 || type > IconFile::TypeCursor || count == 0) return {};
        std::vector<Entry> entries(static_cast<std::size_t>(count));
        std::vector<RecentIconEntry> sizes(static_cast<std::size_t>(count));
        for (Entry& e : entries) {
            e.Bytes.Width = in.u8();
            e.Bytes.Height = in.u8();
            e.Bytes.Colours = in.u8();
            in.skip(9); // reserved, planes or hot spot, data size
            e.Offset = in.u32();
        }
        for (std::size_t i = 0; i < entries.size(); ++i)
            sizes[i] = entries[i].Bytes;
        const Entry& best = entries[std::size_t(ChooseRecentIconEntry(sizes))];
        if (best.Bytes.Width == 0 || best.Bytes.Height == 0) return {};
        const TBitmap32 pixels = readEntry(in, best);

        QImage picture(pixels.Width, pixels.Height, QImage::Format_RGB32);
        picture.fill(RecentIconBackground);
        for (int y = 0; y < pixels.Height; ++y) {
            const TColor32* row = pixels.scanLine(y);
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
