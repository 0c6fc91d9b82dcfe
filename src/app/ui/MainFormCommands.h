#pragma once

#include <QList>

class QAction;
class QActionGroup;
class QMenu;

// Every command of the main window, named after its component. A command bound
// to an action is the action itself (the File menu's "New" is NewA). Each
// QAction also carries its component name as objectName.
//
// A command starts disabled until its handler is connected: bindCommand() in
// TMainForm enables it. The exceptions are GridA, whose state is a setting,
// and UndoA, RedoA, RemoveIA and PalA, whose states follow the session.
struct MainCommands {
    // File
    QMenu* File1 = nullptr;
    QAction* NewA = nullptr;
    QAction* OpenA = nullptr;
    QAction* SaveA = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Recent1 = nullptr;
    QAction* Recent2 = nullptr;
    QAction* Recent3 = nullptr;
    QAction* Recent4 = nullptr;
    QAction* N2 = nullptr; // separator after the recent files
    QAction* Exit1 = nullptr;
    // Edit
    QMenu* Edit1 = nullptr;
    QAction* UndoA = nullptr;
    QAction* RedoA = nullptr;
    QAction* CutA = nullptr;
    QAction* CopyA = nullptr;
    QAction* PasteA = nullptr;
    QAction* Clear2 = nullptr;
    // Icon
    QMenu* Icon1 = nullptr;
    QAction* NewIA = nullptr;
    QAction* Open2 = nullptr;
    QAction* RemoveIA = nullptr;
    QAction* Duplicate1 = nullptr;
    QAction* Resize1 = nullptr;
    QMenu* Color2 = nullptr;
    QActionGroup* FormatGroup = nullptr;
    QAction* N21 = nullptr;                 // 1 bit
    QAction* N16Colors1 = nullptr;          // 4 bits
    QAction* N256Color1 = nullptr;          // 8 bits
    QAction* reuColors1 = nullptr;          // 24 bits
    QAction* rueColorwithAplpha1 = nullptr; // 32 bits
    QAction* PalA = nullptr;
    QAction* PreviewA = nullptr;
    // Effects
    QMenu* Effects1 = nullptr;
    QAction* Invert1 = nullptr;
    QAction* InvertAlpha1 = nullptr;
    QAction* GrayScale1 = nullptr;
    QAction* ColorL1 = nullptr;
    QAction* ImageBalance1 = nullptr;
    QAction* Saturation1 = nullptr;
    QAction* AddColorNoise1 = nullptr;
    QAction* AddColorNoisewithAlpha1 = nullptr;
    QAction* AddPenNoise1 = nullptr;
    QAction* Spray1 = nullptr;
    QAction* Blur1 = nullptr;
    QAction* Shadow1 = nullptr;
    QMenu* Emboss1 = nullptr;
    QAction* opLeft1 = nullptr;
    QAction* opRight1 = nullptr;
    QAction* BottomLeft1 = nullptr;
    QAction* BootomRight1 = nullptr;
    QAction* SmoothStretch1 = nullptr;
    QMenu* Rotate1 = nullptr;
    QAction* Cloclwise1 = nullptr;
    QAction* CounterClockwise1 = nullptr;
    QAction* Custom1 = nullptr;
    QMenu* Flip1 = nullptr;
    QAction* FlipHorizentall1 = nullptr;
    QAction* FlipVertical1 = nullptr;
    // Options
    QMenu* Options1 = nullptr;
    QAction* ransparentColor1 = nullptr;
    QAction* InvertedColor1 = nullptr;
    QAction* GridColor1 = nullptr;
    QAction* UndoLevel1 = nullptr;
    QAction* ransparencyalpharange1 = nullptr;
    // View
    QMenu* Veiw1 = nullptr;
    QAction* GridA = nullptr;
    QAction* oolbar1 = nullptr;
    QAction* Statusbar1 = nullptr;
    // Help
    QMenu* Help1 = nullptr;
    QAction* HelpA = nullptr;
    QAction* VisitHomepage1 = nullptr;
    QAction* About1 = nullptr;

    // Every command above (not the menus or separators), in menu order.
    QList<QAction*> all;
    // The five format entries, Format 1, 4, 8, 24, 32 in that order.
    QList<QAction*> formatItems() const {
        return {N21, N16Colors1, N256Color1, reuColors1, rueColorwithAplpha1};
    }
    QList<QAction*> recentItems() const { return {Recent1, Recent2, Recent3, Recent4}; }
};
