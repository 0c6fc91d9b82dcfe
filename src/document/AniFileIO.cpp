#include "document/AniFileIO.h"

#include "document/IconFileFormat.h"
#include "document/IconFileReader.h"
#include "document/IconFileWriter.h"
#include "document/file/AniPlan.h"
#include "document/file/AniReader.h"
#include "document/file/AniWriter.h"
#include "document/file/IconCodecError.h"

#include <QDir>
#include <deque>

namespace {

// INFO texts carry no encoding: UTF-8 where they are valid UTF-8, else the
// Windows code page they were most likely typed in, taken as Latin-1.
QString textOf(const std::string& Bytes) {
    const QByteArray b = QByteArray::fromStdString(Bytes);
    const QString utf8 = QString::fromUtf8(b);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(b) : utf8;
}

// Latin-1 where every character has one, so Windows shows it; UTF-8 else.
std::string bytesOf(const QString& Text) {
    for (QChar c : Text)
        if (c.unicode() > 0xFF) return Text.toUtf8().toStdString();
    return Text.toLatin1().toStdString();
}

bool sameSettings(const TransparencySettings& A, const TransparencySettings& B) {
    return A.TraColor == B.TraColor && A.InvColor == B.InvColor && A.TraRange == B.TraRange;
}

} // namespace

bool IsAniFileData(const QByteArray& Bytes) {
    return LooksLikeAniFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                            std::size_t(Bytes.size()));
}

AniFileContents ReadAniFile(const QByteArray& Bytes, const QString& FileName,
                            const TransparencySettings& Settings,
                            const PalettePicture& ColourChart) {
    AniContents ani;
    try {
        ani = DecodeAniFile(reinterpret_cast<const std::uint8_t*>(Bytes.constData()),
                            std::size_t(Bytes.size()), FileName.toStdString(), Settings);
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    // The images as read, before the document takes their pixels.
    std::vector<std::shared_ptr<StoredFrameRead>> reads;
    for (const AniFrame& frame : ani.Frames) {
        if (frame.Bytes.empty()) {
            reads.emplace_back();
            continue;
        }
        auto read = std::make_shared<StoredFrameRead>();
        read->Settings = Settings;
        read->Read = frame.Icon;
        reads.push_back(std::move(read));
    }
    AniFileContents contents = AniDocumentContents(ani, ColourChart);
    for (std::size_t f = 0; f < reads.size(); ++f)
        if (reads[f]) {
            reads[f]->Bytes = contents.Frames[f].StoredData;
            contents.Frames[f].StoredRead = std::move(reads[f]);
        }
    return contents;
}

AniFileContents AniDocumentContents(AniContents& Ani, const PalettePicture& ColourChart) {
    AniFileContents contents;
    contents.DisplayRate = Ani.Info.DisplayRate;
    contents.Title = textOf(Ani.Info.Title);
    contents.Author = textOf(Ani.Info.Author);
    contents.Frames.resize(Ani.Frames.size());
    for (std::size_t f = 0; f < Ani.Frames.size(); ++f) {
        AniFrame& read = Ani.Frames[f];
        IconFrame& frame = contents.Frames[f];
        frame.StoredData = QByteArray(reinterpret_cast<const char*>(read.Bytes.data()),
                                      qsizetype(read.Bytes.size()));
        for (IconRaster& raster : read.Icon.Images) {
            frame.Images.push_back(IconImageOf(raster, frame.StoredData, ColourChart));
            frame.Images.back()->Index = int(frame.Images.size()) - 1;
        }
        frame.Rate = Ani.Info.DisplayRate;
    }
    // Each frame shows for the rate of its first step; a sequence is kept
    // only where the steps are not the frames in order.
    std::vector<bool> rated(Ani.Frames.size());
    for (const AniStep& s : Ani.Info.Steps)
        if (!rated[s.Frame]) {
            rated[s.Frame] = true;
            contents.Frames[s.Frame].Rate = s.Rate;
        }
    if (!AniPlaysInOrder(Ani.Info.Steps, Ani.Frames.size()))
        for (const AniStep& s : Ani.Info.Steps)
            contents.Sequence.push_back({int(s.Frame), s.Rate});
    return contents;
}

QByteArray WriteAniFile(const IconDocument& Document, const TransparencySettings& Settings) {
    std::deque<std::vector<std::vector<std::uint32_t>>> palettes;
    std::vector<AniFrameView> frames(std::size_t(Document.FrameCount()));
    for (int f = 0; f < Document.FrameCount(); ++f) {
        std::vector<const IconImage*> images;
        for (const auto& image : Document.frameImages(f))
            images.push_back(image.get());
        palettes.emplace_back();
        AniFrameView& view = frames[std::size_t(f)];
        view.Images = IconImageViews(images, palettes.back());
        const QByteArray& stored = Document.frameStoredData(f);
        view.Stored = reinterpret_cast<const std::uint8_t*>(stored.constData());
        view.StoredLength = std::size_t(stored.size());
        if (const StoredFrameRead* read = Document.frameStoredRead(f))
            if (read->Bytes.constData() == stored.constData() &&
                read->Bytes.size() == stored.size() && sameSettings(read->Settings, Settings))
                view.StoredRead = &read->Read;
    }
    AniInfo info;
    const std::vector<FrameStep> steps = Document.playedSteps();
    bool oneRate = true;
    for (const FrameStep& s : steps) {
        info.Steps.push_back({std::uint32_t(s.Frame), s.Rate});
        oneRate = oneRate && s.Rate == steps.front().Rate;
    }
    // One rate for all goes in the header alone.
    info.DisplayRate = oneRate && !steps.empty() ? steps.front().Rate : Document.DisplayRate;
    info.Title = bytesOf(Document.Title);
    info.Author = bytesOf(Document.Author);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = EncodeAniFile(frames, info, Settings);
    } catch (const IconCodecError& e) {
        throw IconFileError(QString::fromStdString(e.what()));
    }
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void SaveAniFile(const QString& Path, const IconDocument& Document,
                 const TransparencySettings& Settings) {
    QByteArray bytes;
    try {
        bytes = WriteAniFile(Document, Settings);
    } catch (const IconFileError& e) {
        throw IconFileError(QStringLiteral("Cannot save \"%1\". %2")
                                .arg(QDir::toNativeSeparators(Path), e.message()));
    }
    SaveFileBytes(Path, bytes);
}
