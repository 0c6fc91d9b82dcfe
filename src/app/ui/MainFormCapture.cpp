#include "app/ui/MainForm.h"

#include "widgets/CapForm.h"
#include "widgets/DBusScreenshotPortal.h"
#include "widgets/FrozenScreenForm.h"

#include <QTimer>

namespace {

// Either capture window: what it takes floats in the image, and the main
// window comes back however it ends.
template <class Window> void bindCaptureWindow(Window& W, TMainForm& Form) {
    W.setCursor(Form.cursors().cursor(26));
    QObject::connect(&W, &Window::captured, &Form,
                     [&Form](const QImage& Picture) { Form.session().placeCapture(Picture); });
    QObject::connect(&W, &Window::finished, &Form, [&Form] {
        Form.show();
        Form.activateWindow();
    });
}

} // namespace

const char* const TMainForm::NoCaptureMessage = "The screen cannot be captured here.";

void TMainForm::setScreenGrabber(ScreenGrabber* Grabber) {
    m_screenGrabber = Grabber;
    m_capForm.reset();
    // A screen given to read is read, whatever the session.
    m_portal = nullptr;
    m_portalChosen = true;
}

void TMainForm::setScreenshotPortal(ScreenshotPortal* Portal) {
    m_portal = Portal;
    m_portalChosen = true;
}

ScreenshotPortal* TMainForm::screenshotPortal() {
    if (!m_portalChosen) {
        m_portalChosen = true;
        if (DBusScreenshotPortal::isWaylandSession()) {
            m_ownPortal = std::make_unique<DBusScreenshotPortal>();
            m_portal = m_ownPortal.get();
        }
    }
    return m_portal;
}

void TMainForm::photoClick() {
    if (ScreenshotPortal* portal = screenshotPortal()) {
        captureThroughPortal(*portal);
        return;
    }
    if (!m_capForm) {
        if (!m_screenGrabber) {
            if (!m_screen) m_screen = std::make_unique<QtScreenGrabber>();
            m_screenGrabber = m_screen.get();
        }
        m_capForm = std::make_unique<TCapForm>(*m_screenGrabber);
        bindCaptureWindow(*m_capForm, *this);
    }
    m_capForm->execute(QSize(m_session->WorkBitmap().Width, m_session->WorkBitmap().Height));
    hide();
}

void TMainForm::captureThroughPortal(ScreenshotPortal& Portal) {
    if (m_portalAsked) return;
    // Nothing is hidden until it is sure that something will answer.
    if (!Portal.available()) {
        cannotCapture();
        return;
    }
    m_portalAsked = true;
    hide();
    // The delay gives the hidden window time to leave the screen before the
    // desktop takes its picture.
    QTimer::singleShot(100, this, [this, &Portal] {
        Portal.requestScreenshot([this](const QImage& Screen) {
            m_portalAsked = false;
            if (Screen.isNull())
                cannotCapture();
            else
                showFrozenScreen(Screen);
        });
    });
}

void TMainForm::showFrozenScreen(const QImage& Screen) {
    if (!m_frozenForm) {
        m_frozenForm = std::make_unique<FrozenScreenForm>();
        bindCaptureWindow(*m_frozenForm, *this);
    }
    m_frozenForm->execute(Screen,
                          QSize(m_session->WorkBitmap().Width, m_session->WorkBitmap().Height));
}

void TMainForm::cannotCapture() {
    // The window comes back before the message, so that the message has
    // its window and the window is never left hidden.
    show();
    activateWindow();
    m_prompter.message(tr(NoCaptureMessage), MessageKind::Warning, mbOK);
}
