#include "app/ui/QtClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const char* const QtClipboard::PngType = "image/png";

QtClipboard::QtClipboard(QObject* Parent) : QObject(Parent) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        readHasPicture();
        contentsChanged();
    });
    readHasPicture();
}

void QtClipboard::putPicture(const QImage& Picture) {
    auto* data = new QMimeData;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Straight alpha in, straight alpha out: PNG keeps every pixel exactly.
    Picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    data->setData(QLatin1String(PngType), png);
    // Qt offers the picture in its other types from this (BMP, ...).
    data->setImageData(Picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::readHasPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    m_hasPicture = data && (data->hasFormat(QLatin1String(PngType)) || data->hasImage());
}

bool QtClipboard::hasPicture() const {
    return m_hasPicture;
}

QImage QtClipboard::picture() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return QImage();
    if (data->hasFormat(QLatin1String(PngType))) {
        // Decoded here rather than through Qt's image conversion, so the
        // alpha arrives straight, never premultiplied and rounded.
        const QImage png = QImage::fromData(data->data(QLatin1String(PngType)), "PNG");
        if (!png.isNull()) return png;
    }
    if (!data->hasImage()) return QImage();
    return qvariant_cast<QImage>(data->imageData());
}
