#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

// The glyphs of the menus and the tool bar, 24 x 24, drawn by the program
// itself so it looks complete on a bare desktop, and drawn again at the
// screen's density so they stay sharp on any screen. Slots without a glyph of
// their own are empty; 20 to 23 hold the recent files' icons once made.
class MenuImageList {
public:
    static constexpr int ImageSize = 24;
    static constexpr int Count = 24;

    enum Slot {
        New = 0,
        Open = 1,
        Save = 2,
        Undo = 3,
        Redo = 4,
        Cut = 5,
        Copy = 6,
        Paste = 7,
        Clear = 8,
        Help = 9,
        RemoveImage = 12,
        NewImage = 13,
        Palette = 16,
        Grid = 17,
        Check = 18,
        Preview = 19,
        FirstRecent = 20,
    };

    MenuImageList();

    const QImage& image(int Index) const;
    QIcon icon(int Index) const; // a null icon for an empty or unknown slot
    void setImage(int Index, const QImage& Image);

private:
    std::vector<QImage> m_images;
    std::vector<bool> m_drawn; // the slot holds one of our own glyphs
};
