#include "app/ui/MainForm.h"

#include "app/ui/StatusPanels.h"
#include "canvas/ui/WorkView.h"
#include "colours/ui/ColoursPanel.h"
#include "images/ui/ImageListPanel.h"

#include <QAction>
#include <QFrame>

void TMainForm::bindPanelCommands() {
    EditSession* s = m_session.get();
    m_imageList = new ImageListPanel(*s, m_iconsPanel);
    m_coloursPanel = new ColoursPanel(*s, m_colorsPanel, m_toolsPanel);
    s->setNewIconPrompt(&m_newIconDialog);

    MainCommands& c = m_commands;
    // Undo, redo and remove follow the session's enabled states, so they are
    // connected without being switched on.
    connect(c.UndoA, &QAction::triggered, this, [this] { UndoAExecute(); });
    connect(c.RedoA, &QAction::triggered, this, [this] { RedoAExecute(); });
    connect(c.RemoveIA, &QAction::triggered, this, [this] { RemoveIAExecute(); });
    bindCommand(c.NewIA, [this] { NewIAExecute(); });
    bindCommand(c.Duplicate1, [this] { Duplicate1Click(); });
    bindCommand(c.ransparentColor1, [this] { ransparentColor1Click(); });
    bindCommand(c.InvertedColor1, [this] { InvertedColor1Click(); });
    bindCommand(c.GridColor1, [this] { GridColor1Click(); });

    connect(s, &EditSession::workResized, m_work, &WorkView::zoomToFit);
    connect(s, &EditSession::formatChanged, this,
            [this] { showFormatChecked(m_session->ActiveImage().Format); });
    connect(m_coloursPanel, &ColoursPanel::readout, this,
            [this](const QString& Rgb, const QString& Hex) {
                m_statusBar->setPanelText(1, Rgb);
                m_statusBar->setPanelText(2, Hex);
            });
}

void TMainForm::UndoAExecute() {
    m_session->UndoAExecute();
}

void TMainForm::RedoAExecute() {
    m_session->RedoAExecute();
}

void TMainForm::NewIAExecute() {
    m_session->NewIAExecute();
}

void TMainForm::RemoveIAExecute() {
    m_session->RemoveIAExecute();
}

void TMainForm::Duplicate1Click() {
    m_session->Duplicate1Click();
}

void TMainForm::ransparentColor1Click() {
    m_session->chooseDisplayColour(DisplayColour::TraColor);
}

void TMainForm::InvertedColor1Click() {
    m_session->chooseDisplayColour(DisplayColour::InvColor);
}

void TMainForm::GridColor1Click() {
    m_session->chooseDisplayColour(DisplayColour::GridColor);
}
