#include "document/PaletteFile.h"

#include "document/Bmp.h"

#include <QDir>
#include <QSaveFile>

QByteArray paletteFileBytes(const PalettePicture& Palette) {
    // Only column 0 carries entries; a wider picture is never written wide.
    return encodeBmp24(Palette.picture().copy(0, 0, 1, Palette.count()));
}

void writePaletteFile(const QString& FileName, const PalettePicture& Palette) {
    const QString shown = QDir::toNativeSeparators(FileName);
    if (Palette.count() < 1)
        throw PaletteFileError(
            QStringLiteral("Cannot write \"%1\": the palette is empty.").arg(shown));
    const QByteArray bytes = paletteFileBytes(Palette);
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

QString withPaletteExtension(const QString& FileName) {
    const int slash =
        std::max(FileName.lastIndexOf(QLatin1Char('/')), FileName.lastIndexOf(QLatin1Char('\\')));
    const int dot = FileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > slash ? FileName.left(dot) : FileName;
    return base + QStringLiteral(".icp");
}
