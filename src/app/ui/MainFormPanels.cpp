#include "app/ui/MainForm.h"

#include "app/ui/StatusPanels.h"
#include "canvas/ui/WorkView.h"
#include "colours/ui/ColoursPanel.h"
#include "images/ui/FrameListModel.h"
#include "images/ui/FrameStrip.h"
#include "images/ui/ImageListPanel.h"
#include "images/ui/QtFramePrompt.h"
#include "session/SessionFrames.h"

#include <QAction>
#include <QFrame>

void TMainForm::bindPanelCommands() {
    EditSession* s = m_session.get();
    m_imageList = new ImageListPanel(*s, m_iconsPanel);
    connectImageList(m_imageList, *s);
    auto* gap = new QAction(this);
    gap->setSeparator(true);
    m_imageList->setContextActions({m_commands.action(QStringLiteral("NewIA")),
                                    m_commands.action(QStringLiteral("Duplicate1")),
                                    m_commands.action(QStringLiteral("RemoveIA")), gap,
                                    m_commands.action(QStringLiteral("StoredAsPng1"))});
    m_framePrompt = std::make_unique<QtFramePrompt>(this);
    m_frameStrip = new FrameStrip(s->frames(), *m_framePrompt, m_framesPanel);
    FrameListModel* frames = m_frameStrip->model();
    connect(&s->frames(), &SessionFrames::framesChanged, frames, &FrameListModel::rebuild);
    connect(s, &EditSession::imagesReplaced, frames, &FrameListModel::rebuild);
    connect(s, &EditSession::imageItemChanged, frames, [frames] { frames->activeChanged(); });
    connect(s, &EditSession::activeImageChanged, frames, &FrameListModel::activeChanged);
    // A still icon or cursor has one frame and no use for the strip: it shows
    // once there are frames to tell apart, and the window's smallest width
    // grows by the strip's so that the tool options keep their room.
    auto showFrames = [this, s] {
        const bool animated = s->document().FrameCount() > 1;
        m_framesPanel->setVisible(animated);
        fitMinimumSize();
    };
    connect(&s->frames(), &SessionFrames::framesChanged, this, showFrames);
    connect(s, &EditSession::imagesReplaced, this, showFrames);
    showFrames();
    m_coloursPanel = new ColoursPanel(*s, m_colorsPanel, m_toolsPanel);
    connectColoursPanel(m_coloursPanel, *s);
    s->setNewIconPrompt(&m_newIconDialog);
    s->setPalettePrompt(&m_paletteDialog);

    connect(s, &EditSession::workResized, m_work, &WorkView::zoomToFit);
    connect(s, &EditSession::formatChanged, this,
            [this] { showFormatChecked(m_session->ActiveImage().Format); });
    connect(m_coloursPanel, &ColoursPanel::readout, this,
            [this](const QString& Rgb, const QString& Hex) {
                m_statusBar->setPanelText(1, Rgb);
                m_statusBar->setPanelText(2, Hex);
            });
}
