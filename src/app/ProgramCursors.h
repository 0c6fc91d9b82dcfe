#pragma once

#include <QCursor>
#include <QString>
#include <array>
#include <optional>

// The program's own mouse cursors, read at start-up from the installation's
// "Cursors" folder and known by number, 21 to 33:
//
//   21 brush.cur   Brush tool              28 text.cur    Add Text tool
//   22 cross.cur   Select and shape tools  29 sizer.cur   selection, right edge
//   23 move.cur    Eraser, moving a        30 sizeb.cur   selection, bottom edge
//                  floating selection      31 sizec.cur   selection, corner
//   24 patil.cur   Fill Color tool         32 spray.cur   Spray tool
//   25 pencil.cur  Pencil tool             33 zoom.cur    preview picture
//   26 pick.cur    Pick Color tool, screen capture
//   27 hot.cur     Hot Spot tool
//
// A file that is missing or cannot be read leaves its number on the arrow.
class ProgramCursors {
public:
    static constexpr int First = 21;
    static constexpr int Last = 33;
    static constexpr int Count = Last - First + 1;

    // "brush.cur" ... "zoom.cur"; null outside First..Last.
    static const char* fileName(int Number);

    // Reads every file from "<ProgramFolder>/Cursors/". Can be called again
    // to read them afresh.
    void load(const QString& ProgramFolder);

    // The cursor registered under Number; the arrow for a number whose file
    // could not be read and for any other number.
    QCursor cursor(int Number) const;
    bool isLoaded(int Number) const;

    // One cursor file as a cursor: its first image, masked pixels see-through,
    // the hot spot the file gives. Nothing when it cannot be read.
    static std::optional<QCursor> readCursorFile(const QString& Path);

private:
    std::array<std::optional<QCursor>, Count> m_cursors;
};
