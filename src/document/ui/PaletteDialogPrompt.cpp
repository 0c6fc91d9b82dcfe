#include "document/ui/PaletteDialogPrompt.h"

#include "document/ui/PalFrm.h"

PaletteDialogPrompt::PaletteDialogPrompt(Prompter& Prompts, QString ProgramFolder, QWidget* Parent)
    : m_prompter(Prompts), m_programFolder(std::move(ProgramFolder)), m_parent(Parent) {}

TPalFrm& PaletteDialogPrompt::form() {
    if (!m_form) {
        m_form = new TPalFrm(m_prompter, m_programFolder, m_parent);
        m_form->setPickCursor(m_pickCursor);
    }
    return *m_form;
}

std::optional<PalettePicture> PaletteDialogPrompt::askPalette(const PalettePicture& Current) {
    return form().execute(Current);
}
