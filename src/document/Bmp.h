#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a Windows BMP held in memory with the platform's reader; anything
// else (another picture format, a truncated or empty picture, dimensions no
// palette or chart could have) gives a null image and a reason in Error.
// Safe on arbitrary bytes.
QImage decodeBmp(const QByteArray& Bytes, QString* Error = nullptr);

// Reads a whole file for decodeBmp; false with a reason when it cannot.
bool readSmallFile(const QString& FileName, QByteArray& Bytes, QString* Error = nullptr);

// An uncompressed 24-bit BMP of Picture, rows bottom-up, each padded to four
// bytes, with the plain 40-byte info header (resolution fields 0).
QByteArray encodeBmp24(const QImage& Picture);
