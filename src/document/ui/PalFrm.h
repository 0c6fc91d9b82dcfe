#pragma once

#include "session/PaletteEditor.h"

#include <QDialog>
#include <QTimer>
#include <optional>

class PaletteGridBox;
class ColourPickBox;
class QLabel;
class QPushButton;

// The "Configure Palette" dialog: the working palette as a grid whose cells
// are clicked to change them, buttons for the standard colours, palette
// files and a bitmap whose colours can be picked or extracted. It is kept
// between uses, so the bitmap stays loaded.
class TPalFrm : public QDialog {
    Q_OBJECT
public:
    TPalFrm(Prompter& Prompts, const QString& ProgramFolder, QWidget* Parent = nullptr);

    // Shows the dialog modally with a working copy of Current; the working
    // copy on OK, nothing on Cancel.
    std::optional<PalettePicture> execute(const PalettePicture& Current);
    // The cursor shown over the bitmap.
    void setPickCursor(const QCursor& Cursor);

    // The two halves of execute(), for callers that show the dialog
    // themselves.
    void FormShow(const PalettePicture& Current);
    void FormHide();

    PaletteEditor& editor() { return m_editor; }
    PaletteGridBox* ColorsBox() const { return m_colorsBox; }
    ColourPickBox* Bitmapo() const { return m_bitmapo; }
    QLabel* lbl() const { return m_lbl; }
    const QTimer& Tim() const { return m_tim; }
    QPushButton* button(const char* Name) const;

    void TimTimer();

private:
    QPushButton* addButton(const char* Name, const QString& Caption, const QString& Hint,
                           QRect Place);
    // After every handler: the grid shows the working copy, the label and
    // its timer follow the pick mode, the bitmap shows what is loaded.
    void refresh();

    PaletteEditor m_editor;
    PaletteGridBox* m_colorsBox = nullptr;
    ColourPickBox* m_bitmapo = nullptr;
    QLabel* m_lbl = nullptr;
    QTimer m_tim;
    bool m_lblRed = false; // the pick-mode label shows red now
};
