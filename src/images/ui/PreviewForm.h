#pragma once

#include "images/ui/PreviewColours.h"
#include "session/CustomColours.h"
#include "document/IconImage.h"
#include "document/file/Transparency.h"
#include "pixel/TBitmap32.h"

#include <QDialog>
#include <vector>

class Prompter;
class PreviewBox;
class QComboBox;
class QLabel;

// The preview window: the active image at one screen pixel per image pixel
// over a background colour of the user's choice. It only reads what it is
// handed; the document never changes here. The background and the "Custom..."
// colour stay as chosen for the life of the window.
class TPrvFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrvFrm(Prompter& Prompts, QWidget* Parent = nullptr);
    ~TPrvFrm() override;

    // Shows Clean (the committed image) modally. Custom: the main colour
    // dialog's custom colours, lent while the window is shown.
    void execute(const TBitmap32& Clean, ColourFormat Format,
                 const TransparencySettings& Transparency, CustomColours& Custom);
    void setMagnifierCursor(const QCursor& Cursor);

    // The two halves of execute(), for callers that show the window
    // themselves.
    void FormShow(const TBitmap32& Clean, ColourFormat Format,
                  const TransparencySettings& Transparency, CustomColours& Custom);
    void FormHide();
    void ColBoxChange(int Index);

    TColor backgroundColour() const { return m_background; }
    TColor customColour() const { return m_entries.back().Colour; }
    PreviewBox* pb() const { return m_pb; }
    QComboBox* colBox() const { return m_colBox; }
    QLabel* label() const { return m_lbl; }

protected:
    void mouseMoveEvent(QMouseEvent* Event) override;

private:
    void FormCreate();
    void setBackground(TColor Colour);
    void showFrame();
    void fitToBox();

    Prompter& m_prompter;
    std::vector<PreviewColourEntry> m_entries;
    TColor m_background = 0xFFFFFF;
    TBitmap32 m_picture;    // PreviewPicture, while shown
    CustomColours m_custom; // the custom colours of this window's colour dialog
    CustomColours* m_lender = nullptr;
    PreviewBox* m_pb = nullptr;
    QLabel* m_lbl = nullptr;
    QComboBox* m_colBox = nullptr;
};
