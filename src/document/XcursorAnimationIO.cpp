#include "document/XcursorAnimationIO.h"

#include "document/IconFileWriter.h"
#include "document/file/IconCodecError.h"
#include "document/file/XcursorAni.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <QDir>
#include <QStringList>
#include <algorithm>

namespace {

XcursorContents decoded(const QByteArray& Bytes, const QString& FileName) {
    try {
        return DecodeXcursorFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                                 std::size_t(Bytes.size()), FileName.toStdString());
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
}

} // namespace

bool IsAnimatedXcursorData(const QByteArray& Bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(Bytes.constData());
    if (!IsXcursorFile(data, std::size_t(Bytes.size()))) return false;
    try {
        const XcursorContents x = DecodeXcursorFile(data, std::size_t(Bytes.size()), "");
        for (std::uint32_t size : NominalSizes(x.Images))
            if (FramesOfSize(x.Images, size).size() > 1) return true;
    } catch (const IconCodecError&) {
        // Read as a still X cursor, which says what is wrong with it.
    }
    return false;
}

AniFileContents ReadXcursorAnimation(const QByteArray& Bytes, const QString& FileName,
                                     const PalettePicture& ColourChart) {
    const XcursorContents x = decoded(Bytes, FileName);
    AniFromXcursorNotes notes;
    AniContents ani;
    try {
        ani = AniFromXcursor(x, notes);
    } catch (const IconCodecError& e) {
        throw IconFileError::notAnIcon(FileName, QString::fromStdString(e.what()));
    }
    int renamed = 0;
    for (std::uint32_t size : NominalSizes(x.Images)) {
        const XcursorImage& first = *FramesOfSize(x.Images, size).front();
        if (first.Width <= IconFile::MaxSide && first.Height <= IconFile::MaxSide &&
            size != std::uint32_t(std::max(first.Width, first.Height)))
            ++renamed;
    }
    AniFileContents contents = AniDocumentContents(ani, ColourChart);
    QStringList left;
    if (notes.TooLarge > 0)
        left << QStringLiteral("%1 sizes larger than 256 pixels").arg(notes.TooLarge);
    if (renamed > 0)
        left << QStringLiteral("the nominal sizes that differ from the drawn sizes (%1)").arg(renamed);
    if (notes.LicenceLost) left << QStringLiteral("its licence");
    if (!notes.ChangedDelays.empty())
        left << QStringLiteral("its exact delays: %1")
                    .arg(QString::fromStdString(ChangedDelaysText(notes.ChangedDelays)));
    if (!left.isEmpty())
        contents.Notice = QStringLiteral("\"%1\" is opened without %2. Saving it writes only "
                                         "what is shown.")
                              .arg(QDir::toNativeSeparators(FileName), left.join(QStringLiteral("; ")));
    return contents;
}

QByteArray WriteXcursorAnimation(const IconDocument& Document, const TransparencySettings& Settings,
                                 int& InvertedPixels) {
    AniContents ani;
    for (int f = 0; f < Document.FrameCount(); ++f) {
        AniFrame frame;
        frame.Icon.FileType = IconFile::TypeCursor;
        for (const auto& image : Document.frameImages(f))
            frame.Icon.Images.push_back(IconRasterOf(*image));
        ani.Frames.push_back(std::move(frame));
    }
    for (const FrameStep& s : Document.playedSteps())
        ani.Info.Steps.push_back({std::uint32_t(s.Frame), s.Rate});
    ani.Info.Title = Document.Title.toStdString();
    ani.Info.Author = Document.Author.toStdString();
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeXcursorFile(XcursorFromAni(ani, Settings, InvertedPixels));
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void SaveXcursorAnimation(const QString& Path, const IconDocument& Document,
                          const TransparencySettings& Settings, int& InvertedPixels) {
    QByteArray bytes;
    try {
        bytes = WriteXcursorAnimation(Document, Settings, InvertedPixels);
    } catch (const IconFileError& e) {
        throw IconFileError(QStringLiteral("Cannot save \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), e.message()));
    }
    SaveFileBytes(Path, bytes);
}
