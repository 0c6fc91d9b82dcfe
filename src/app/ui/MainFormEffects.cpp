#include "app/ui/MainForm.h"

#include "canvas/ui/WorkView.h"
#include "session/SessionEffects.h"

#include <QMenuBar>

void TMainForm::bindEffects() {
    SessionEffects& effects = m_session->effects();
    effects.setPrompt(&m_effectDialogs);
    // RefTim: one more repaint shortly after an effect has been shown.
    connect(&effects, &SessionEffects::effectFinished, m_work, &WorkView::startDelayedRepaint);
}

void TMainForm::openMenuBar() {
    QMenuBar* bar = menuBar();
    const QList<QAction*> menus = bar->actions();
    if (menus.isEmpty() || !bar->isVisible()) return;
    bar->setFocus(Qt::ShortcutFocusReason);
    bar->setActiveAction(menus.first());
}
