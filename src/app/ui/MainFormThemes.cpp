#include "app/ui/MainForm.h"

#include "cursortheme/ui/CursorThemeForm.h"
#include "session/CursorThemeEditor.h"

void TMainForm::cursorThemeClick() {
    if (!m_cursorThemeForm) {
        m_cursorThemeEditor =
            std::make_unique<CursorThemeEditor>(m_prompter, m_session->transparency());
        m_cursorThemeForm = std::make_unique<CursorThemeForm>(*m_cursorThemeEditor, this);
    }
    m_cursorThemeForm->show();
    m_cursorThemeForm->raise();
    m_cursorThemeForm->activateWindow();
}
