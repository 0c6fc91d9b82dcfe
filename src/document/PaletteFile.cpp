#include "document/PaletteFile.h"

#include "document/Bmp.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray bytesOf(const std::vector<std::uint8_t>& Bytes) {
    return QByteArray(reinterpret_cast<const char*>(Bytes.data()), qsizetype(Bytes.size()));
}

} // namespace

QByteArray paletteFileBytes(const PalettePicture& Palette) {
    // Only column 0 carries entries; a wider picture is never written wide.
    return bytesOf(EncodeIcpPalette(Palette.entries()));
}

void writePaletteFile(const QString& FileName, const PalettePicture& Palette) {
    writePaletteFile(FileName, Palette, PaletteFileKind::Icp);
}

void writePaletteFile(const QString& FileName, const PalettePicture& Palette,
                      PaletteFileKind Kind) {
    const QString shown = QDir::toNativeSeparators(FileName);
    if (Palette.count() < 1)
        throw PaletteFileError(
            QStringLiteral("Cannot write \"%1\": the palette is empty.").arg(shown));
    QByteArray bytes;
    try {
        bytes = bytesOf(EncodePaletteFile(Kind, Palette.entries(),
                                          QFileInfo(FileName).completeBaseName().toStdString()));
    } catch (const PaletteFormatError& e) {
        throw PaletteFileError(
            QStringLiteral("Cannot write \"%1\": %2").arg(shown, QString::fromStdString(e.what())));
    }
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw PaletteFileError(
            QStringLiteral("Cannot write \"%1\".\n%2").arg(shown, file.errorString()));
}

std::optional<PalettePicture> decodePaletteFile(const QByteArray& Bytes, QString* Error) {
    const QImage img = decodeBmp(Bytes, Error);
    if (img.isNull()) return std::nullopt;
    return PalettePicture(img.copy(0, 0, 1, img.height()));
}

PalettePicture readPaletteFile(const QString& FileName) {
    QByteArray bytes;
    QString reason;
    if (readSmallFile(FileName, bytes, &reason)) {
        if (auto palette = decodePaletteFile(bytes, &reason)) return std::move(*palette);
    }
    throw PaletteFileError(QStringLiteral("Cannot read the palette file \"%1\".\n%2")
                               .arg(QDir::toNativeSeparators(FileName), reason));
}

LoadedPalette readAnyPaletteFile(const QString& FileName) {
    QByteArray bytes;
    QString reason;
    if (!readSmallFile(FileName, bytes, &reason))
        throw PaletteFileError(QStringLiteral("Cannot read the palette file \"%1\".\n%2")
                                   .arg(QDir::toNativeSeparators(FileName), reason));
    LoadedPalette out;
    // Any BMP the platform reads is a palette file of ours; an Adobe table
    // has no signature, and its first colour may spell "BM".
    if (bytes.startsWith("BM") && !FileName.endsWith(QLatin1String(".act"), Qt::CaseInsensitive)) {
        out.Palette = readPaletteFile(FileName);
        return out;
    }
    try {
        const PaletteFileContents contents = DecodePaletteFile(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()),
            QDir::toNativeSeparators(FileName).toStdString());
        out.Kind = contents.Kind;
        out.Palette = PalettePicture::fromEntries(contents.Colours);
        return out;
    } catch (const PaletteFormatError& e) {
        throw PaletteFileError(QString::fromStdString(e.what()));
    }
}

QString withPaletteExtension(const QString& FileName) {
    const int slash =
        std::max(FileName.lastIndexOf(QLatin1Char('/')), FileName.lastIndexOf(QLatin1Char('\\')));
    const int dot = FileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > slash ? FileName.left(dot) : FileName;
    return base + QStringLiteral(".icp");
}
