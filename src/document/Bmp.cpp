#include "document/Bmp.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace {

// Far beyond any palette (256 rows) or chart (120 x 320), small enough that a
// hostile header cannot make the decoder ask for gigabytes.
constexpr qint64 MaxPixels = qint64(1) << 24;
constexpr qint64 MaxFileBytes = qint64(1) << 27;

void setError(QString* Error, const QString& Text) {
    if (Error) *Error = Text;
}

void put16(QByteArray& b, int offset, quint16 v) {
    qToLittleEndian(v, b.data() + offset);
}
void put32(QByteArray& b, int offset, quint32 v) {
    qToLittleEndian(v, b.data() + offset);
}

} // namespace

namespace {

// Little-endian fields of the headers, read byte by byte; the caller has
// checked that the bytes are there.
quint32 get32(const QByteArray& b, int offset) {
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | quint8(b.at(offset + k));
    return v;
}
quint16 get16(const QByteArray& b, int offset) {
    return quint16(quint8(b.at(offset)) | (quint8(b.at(offset + 1)) << 8));
}

// What the headers promise, checked before the decoder sees the bytes: the
// platform reader fills missing pixel rows with black instead of refusing.
QString headerProblem(const QByteArray& Bytes) {
    const QString damaged = QStringLiteral("The bitmap is damaged or holds no pixels.");
    if (Bytes.size() < 14 + 12) return damaged;
    const quint32 infoSize = get32(Bytes, 14);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0;
    if (infoSize == 12) {
        width = get16(Bytes, 18);
        height = get16(Bytes, 20);
        bits = get16(Bytes, 24);
    } else if (infoSize >= 40 && Bytes.size() >= 14 + 40) {
        width = qint32(get32(Bytes, 18));
        height = qint32(get32(Bytes, 22));
        bits = get16(Bytes, 28);
        compression = get32(Bytes, 30);
    } else {
        return damaged;
    }
    if (qint64(get32(Bytes, 10)) >= Bytes.size()) return damaged; // pixels beyond the end
    width = qAbs(width);
    height = qAbs(height);
    if (width == 0 || height == 0) return damaged;
    if (width * height > MaxPixels) return QStringLiteral("The bitmap is too large.");
    // Uncompressed rows (plain or with bit fields) have a known length.
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        if (qint64(get32(Bytes, 10)) + rowBytes * height > Bytes.size())
            return QStringLiteral("The bitmap is cut short.");
    }
    return QString();
}

} // namespace

QImage decodeBmp(const QByteArray& Bytes, QString* Error) {
    if (Bytes.size() < 2 || Bytes[0] != 'B' || Bytes[1] != 'M') {
        setError(Error, QStringLiteral("The file is not a bitmap (BMP) picture."));
        return QImage();
    }
    const QString problem = headerProblem(Bytes);
    if (!problem.isEmpty()) {
        setError(Error, problem);
        return QImage();
    }
    QBuffer buffer;
    buffer.setData(Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage img = reader.read();
    if (img.isNull() || img.width() < 1 || img.height() < 1) {
        setError(Error, QStringLiteral("The bitmap is damaged or holds no pixels."));
        return QImage();
    }
    return img;
}

bool readSmallFile(const QString& FileName, QByteArray& Bytes, QString* Error) {
    QFile file(FileName);
    if (!file.exists()) {
        setError(Error, QStringLiteral("The file does not exist."));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(Error, file.errorString());
        return false;
    }
    if (file.size() > MaxFileBytes) {
        setError(Error, QStringLiteral("The file is too large."));
        return false;
    }
    Bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(Error, file.errorString());
        return false;
    }
    return true;
}

QByteArray encodeBmp24(const QImage& Picture) {
    const QImage img = Picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int rowBytes = (3 * w + 3) & ~3;
    const int headerBytes = 54;
    QByteArray out(headerBytes + rowBytes * h, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(out.size()));
    put32(out, 10, quint32(headerBytes));
    put32(out, 14, 40);
    put32(out, 18, quint32(w));
    put32(out, 22, quint32(h));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, quint32(rowBytes * h));
    // Compression, resolutions and the colour counts stay 0.
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        char* d = out.data() + headerBytes + std::ptrdiff_t(h - 1 - y) * rowBytes;
        for (int x = 0; x < w; ++x) {
            *d++ = char(qBlue(row[x]));
            *d++ = char(qGreen(row[x]));
            *d++ = char(qRed(row[x]));
        }
    }
    return out;
}
