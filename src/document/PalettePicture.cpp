#include "document/PalettePicture.h"

PalettePicture::PalettePicture(QImage picture) { setPicture(std::move(picture)); }

PalettePicture PalettePicture::fromEntries(const std::vector<TColor>& entries)
{
    QImage img(1, int(entries.size()), QImage::Format_RGB32);
    PalettePicture p(img);
    for (int i = 0; i < int(entries.size()); ++i) p.setEntry(i, entries[std::size_t(i)]);
    return p;
}

void PalettePicture::setPicture(QImage picture)
{
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

TColor PalettePicture::entry(int i) const
{
    if (i < 0 || i >= count()) return 0;
    const QRgb p = m_picture.pixel(0, i);
    return TColor(qRed(p)) | (TColor(qGreen(p)) << 8) | (TColor(qBlue(p)) << 16);
}

void PalettePicture::setEntry(int i, TColor rgb)
{
    if (i < 0 || i >= count()) return;
    m_picture.setPixel(0, i, qRgb(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)));
}

std::vector<TColor> PalettePicture::entries() const
{
    std::vector<TColor> out;
    out.reserve(std::size_t(count()));
    for (int i = 0; i < count(); ++i) out.push_back(entry(i));
    return out;
}
