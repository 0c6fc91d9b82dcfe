#include "document/DefaultPalette.h"

#include "document/Bmp.h"

#include <QDir>

QString UseFilesFolder(const QString& ProgramFolder) {
    return QDir(ProgramFolder).filePath(QStringLiteral("Use Files"));
}

QString DefaultPaletteFileName(ColourFormat Format) {
    switch (Format) {
    case 1:
        return QStringLiteral("2.bmp");
    case 4:
        return QStringLiteral("16.bmp");
    case 8:
        return QStringLiteral("256.bmp");
    default:
        return QStringLiteral("True.bmp");
    }
}

int PaletteEntryCount(ColourFormat Format) {
    switch (Format) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

namespace {

DataFileError unusable(const QString& FileName, const QString& Reason) {
    return DataFileError(QStringLiteral("Cannot read the installation file \"%1\".\n%2")
                             .arg(QDir::toNativeSeparators(FileName), Reason));
}

} // namespace

QImage readDataPicture(const QString& FileName) {
    QByteArray bytes;
    QString reason;
    if (!readSmallFile(FileName, bytes, &reason)) throw unusable(FileName, reason);
    QImage img = decodeBmp(bytes, &reason);
    if (img.isNull()) throw unusable(FileName, reason);
    return img;
}

PalettePicture DefaultPalette(ColourFormat Format, const QString& ProgramFolder) {
    const QString fileName =
        QDir(UseFilesFolder(ProgramFolder)).filePath(DefaultPaletteFileName(Format));
    const QImage img = readDataPicture(fileName);
    const int n = PaletteEntryCount(Format);
    if (n == 0) {
        if (img.height() != ColourChartHeight)
            throw unusable(
                fileName,
                QStringLiteral("The color chart must be %1 pixels high.").arg(ColourChartHeight));
        return PalettePicture(img);
    }
    if (img.height() != n)
        throw unusable(fileName,
                       QStringLiteral("A palette of %1 colors must be %1 pixels high.").arg(n));
    return PalettePicture(img.copy(0, 0, 1, n));
}
