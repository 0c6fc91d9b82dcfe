#include "app/ui/MainForm.h"

#include "app/ui/QtClipboard.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"
#include "widgets/CapForm.h"

void TMainForm::bindEditCommands() {
    // A child of the window, so it outlives the session, which lets go of it
    // when it goes.
    m_clipboard = new QtClipboard(this);
    m_session->setClipboard(m_clipboard);
    connect(&m_toolsUi->tools(), &ToolsPanel::photoClicked, this, &TMainForm::photoClick);
}

void TMainForm::setScreenGrabber(ScreenGrabber* Grabber) {
    m_screenGrabber = Grabber;
    m_capForm.reset();
}

void TMainForm::photoClick() {
    if (!m_capForm) {
        if (!m_screenGrabber) {
            if (!m_screen) m_screen = std::make_unique<QtScreenGrabber>();
            m_screenGrabber = m_screen.get();
        }
        m_capForm = std::make_unique<TCapForm>(*m_screenGrabber);
        m_capForm->setCursor(m_cursors.cursor(26));
        connect(m_capForm.get(), &TCapForm::captured, this,
                [this](const QImage& Picture) { m_session->placeCapture(Picture); });
        connect(m_capForm.get(), &TCapForm::finished, this, [this] {
            show();
            activateWindow();
        });
    }
    m_capForm->execute(QSize(m_session->WorkBitmap().Width, m_session->WorkBitmap().Height));
    hide();
}
