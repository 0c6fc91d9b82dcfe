#include "document/ProgramIcons.h"

#include "document/FileErrors.h"
#include "document/file/ProgramResources.h"

#include <QDir>

const char* const ProgramFilePatterns = "*.exe;*.dll;*.mun;*.cpl;*.scr;*.ocx;*.icl";

namespace {

// The image a group is known by: the largest, of those the one with most
// colours.
const IconImage& largest(const IconFileContents& Contents) {
    const IconImage* best = Contents.Images.front().get();
    for (const auto& image : Contents.Images) {
        const int area = image->Pixels.Width * image->Pixels.Height;
        const int bestArea = best->Pixels.Width * best->Pixels.Height;
        if (area > bestArea || (area == bestArea && image->Format > best->Format))
            best = image.get();
    }
    return *best;
}

QImage pictureOf(const IconImage& Image, const TransparencySettings& Settings) {
    const TBitmap32& p = Image.Pixels;
    QImage picture(p.Width, p.Height, QImage::Format_ARGB32);
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) {
            const TColor32 c = p.Bits[std::size_t(y) * std::size_t(p.Width) + std::size_t(x)];
            const int a = EffectiveAlpha(c, Image.Format, Settings);
            picture.setPixel(x, y,
                             qRgba(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF), a));
        }
    if (p.Width <= ProgramGroupPictureSide && p.Height <= ProgramGroupPictureSide) return picture;
    return picture.scaled(ProgramGroupPictureSide, ProgramGroupPictureSide, Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
}

} // namespace

bool IsProgramFile(const QByteArray& Bytes) {
    return LooksLikeProgram(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                            std::size_t(Bytes.size()));
}

std::vector<ProgramGroup> ReadProgramGroups(const QByteArray& Bytes, const QString& FileName,
                                            const TransparencySettings& Settings) {
    const QString shown = QDir::toNativeSeparators(FileName);
    const auto* data = reinterpret_cast<const std::uint8_t*>(Bytes.constData());
    std::vector<ResourceGroup> groups;
    try {
        groups = ReadProgramGroups(data, std::size_t(Bytes.size()), shown.toStdString());
    } catch (const ProgramFileError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    if (groups.empty())
        throw IconFileError(QStringLiteral("%1 holds no icons or cursors.").arg(shown));
    std::vector<ProgramGroup> out;
    out.reserve(groups.size());
    for (const ResourceGroup& g : groups) {
        ProgramGroup p;
        p.Label = QString::fromStdString(g.label());
        p.FileType = g.Type;
        p.ImageCount = int(g.Images.size());
        for (const GroupImage& i : g.Images)
            p.Sizes += (p.Sizes.isEmpty() ? QString() : QStringLiteral(", ")) +
                       QStringLiteral("%1 x %2").arg(i.Width).arg(i.Height);
        const std::vector<std::uint8_t> file = GroupFile(data, g);
        p.File = QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
        // A group whose images do not read is still offered, without a
        // picture: choosing it shows the reader's message, and the other
        // groups stay within reach.
        try {
            const IconFileContents contents = ReadIconFile(p.File, p.Label, Settings);
            p.Picture = pictureOf(largest(contents), Settings);
        } catch (const FileError&) {
        }
        out.push_back(std::move(p));
    }
    return out;
}
