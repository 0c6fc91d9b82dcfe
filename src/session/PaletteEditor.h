#pragma once

#include "document/PalettePicture.h"
#include "session/CustomColours.h"

#include <QImage>
#include <QPoint>
#include <QString>

class Prompter;

// What the "Configure Palette" dialog does, without its widgets: a working
// copy of the palette that the buttons change, the pick mode that takes a
// colour from the loaded bitmap, and the bitmap itself, which stays loaded
// from one showing to the next. Every file dialog and message goes through
// the Prompter.
class PaletteEditor {
public:
    // The kinds a palette is saved as, "Colors Palette (*.icp)|*.icp" first;
    // and those it is opened from, with all of them together.
    static const char* const PaletteFilter;
    static const char* const OpenPaletteFilter;
    static const char* const BitmapFilter; // "Bitmaps (*.bmp)|*.bmp"

    PaletteEditor(Prompter& Prompts, QString ProgramFolder);

    // The working copy starts as Current (entries only, 24 bits); pick mode
    // is off.
    void FormShow(const PalettePicture& Current);
    // The working copy goes; the bitmap stays.
    void FormHide();

    const PalettePicture& workingCopy() const { return m_working; }
    // The grid of the working copy, 120 pixels wide.
    QImage grid() const;
    bool pickMode() const { return m_pickMode; }
    TColor pickedColour() const { return m_picked; }
    const QImage& bitmap() const { return m_bitmap; }

    // A click at Pos on the grid: in pick mode the entry takes the picked
    // colour and pick mode ends; otherwise the colour dialog offers a new
    // colour for it.
    void ColorsBoxMouseDown(QPoint Pos);
    // A click on the bitmap toggles pick mode; Displayed is the colour shown
    // at the clicked point.
    void BitmapoMouseDown(TColor Displayed);
    // "Windows Standard Colors": the default palette of the working copy's
    // size. A default palette that cannot be read is reported and changes
    // nothing.
    void winClick();
    // "Load Palette": a palette file (.icp) of exactly the working copy's
    // size replaces it; any other size gets "Invalid colors palette.". The
    // palettes of other programs (.gpl, .pal, .act) are cut to the working
    // copy's size or filled with black, with a note saying which.
    void loadClick();
    // "Save Palette": the name ends in the chosen kind's extension (".icp"
    // unless another kind is chosen or typed); an existing file is replaced
    // only when the user says so, No offers the dialog again.
    void saveClick();
    // "Load Bitmap": a picture that cannot be read is reported and the one
    // loaded before stays.
    void bitClick();
    // "Find Bitmap Colors": the first distinct colours of the bitmap, in
    // reading order, replace the leading entries.
    void makeClick();

private:
    void error(const QString& Text);

    Prompter& m_prompter;
    QString m_programFolder;
    PalettePicture m_working;
    QImage m_bitmap;
    CustomColours m_custom; // the dialog's own colour dialog keeps these
    bool m_pickMode = false;
    TColor m_picked = 0;
};
