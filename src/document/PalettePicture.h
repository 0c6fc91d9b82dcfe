#pragma once

#include "pixel/TColor32.h"

#include <QImage>
#include <vector>

// A palette held as a picture 1 pixel wide and N pixels high (entry i is pixel
// (0, i)), or, for true-colour images, the colour chart that only the colours
// panel shows. The entry count is the picture's height.
class PalettePicture {
public:
    PalettePicture() = default;
    explicit PalettePicture(QImage picture);
    static PalettePicture fromEntries(const std::vector<TColor>& entries);

    const QImage& picture() const { return m_picture; }
    void setPicture(QImage picture);
    int count() const { return m_picture.height(); }
    bool isNull() const { return m_picture.isNull(); }
    // Entry i as an RGB value with red in the low byte; pixel (0, i).
    TColor entry(int i) const;
    void setEntry(int i, TColor rgb);
    std::vector<TColor> entries() const;

private:
    QImage m_picture; // Format_RGB32
};
