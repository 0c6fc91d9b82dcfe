#pragma once

#include "session/PalettePrompt.h"

#include <QCursor>
#include <QPointer>
#include <QString>

class Prompter;
class QWidget;
class TPalFrm;

// The program's answer to the palette question: the "Configure Palette"
// dialog, made on first use as a child of Parent and kept from then on.
class PaletteDialogPrompt : public PalettePrompt {
public:
    PaletteDialogPrompt(Prompter& Prompts, QString ProgramFolder, QWidget* Parent);
    std::optional<PalettePicture> askPalette(const PalettePicture& Current) override;
    // The cursor shown over the dialog's bitmap.
    void setPickCursor(const QCursor& Cursor) { m_pickCursor = Cursor; }
    TPalFrm& form();

private:
    Prompter& m_prompter;
    QString m_programFolder;
    QPointer<QWidget> m_parent;
    QPointer<TPalFrm> m_form;
    QCursor m_pickCursor;
};
