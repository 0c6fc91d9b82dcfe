#include "canvas/ui/ToolsPanel.h"

#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/ToolGlyphs.h"
#include "session/Hint.h"
#include "session/SessionTools.h"
#include "widgets/SwitchButton.h"

#include <QButtonGroup>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace {

// Two columns of flat 28 x 28 buttons from the top of the panel, related tools
// side by side. Below them the colours panel puts its recolouring buttons
// (at 226) and the colour swatches (273 to 324); the mode switches follow.
constexpr int Layout[][2] = {
    {SelectTag, PhotoTag}, {PenTag, BrushTag},  {EraseTag, SprayTag},  {PickColorTag, PatilTag},
    {TextTag, HotSpotTag}, {LineTag, CurveTag}, {RectTag, EllipseTag}, {RoundRectTag, PolygonTag},
};

constexpr int ButtonSize = 28;
constexpr int Left = 2, Top = 2;
constexpr int SwitchTop = 328, SwitchWidth = 56, SwitchHeight = 30;

} // namespace

ToolsPanel::ToolsPanel(QWidget* Panel, SessionTools& Tools) : QObject(Panel), m_tools(Tools) {
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);

    int row = 0;
    for (const auto& pair : Layout) {
        for (int column = 0; column < 2; ++column) {
            const int tag = pair[column];
            const ToolInfo& info = *toolInfo(tag);
            auto* b = new QToolButton(Panel);
            b->setObjectName(QLatin1String(info.Button));
            b->setIcon(toolGlyph(tag));
            b->setIconSize(QSize(20, 20));
            b->setGeometry(Left + column * ButtonSize, Top + row * ButtonSize, ButtonSize,
                           ButtonSize);
            b->setAutoRaise(true);
            b->setFocusPolicy(Qt::NoFocus);
            applyHint(b, QString::fromUtf8(info.Hint));
            // Only tools with an implementation can be chosen; the screen
            // capture button is a command of its own.
            b->setEnabled(tag == PhotoTag || m_tools.controller().isAvailable(tag));
            if (info.IsTool) {
                b->setCheckable(true);
                m_group->addButton(b, tag);
            }
            if (tag == PhotoTag) {
                applyHint(b, QStringLiteral("Screen Capture|Click to capture photo."));
                connect(b, &QToolButton::clicked, this, &ToolsPanel::photoClicked);
            }
            m_buttons[tag] = b;
        }
        ++row;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &ToolsPanel::freeClick);

    // Their captions take two lines, as the buttons are narrow.
    m_anti = makeSwitch(Panel, "Anti", QStringLiteral("Anti\naliasing"),
                        "Antialiasing|Click to activate/deactivate antialiasing mode.");
    m_blen = makeSwitch(Panel, "Blen", QStringLiteral("Blend\nColors"),
                        "Blend Colors|Click to activate/deactivate blending colors.");
    m_anti->move(Left, SwitchTop);
    m_blen->move(Left, SwitchTop + m_anti->height() + 2);
    // The window never gets so low that the switches are cut off.
    Panel->setMinimumHeight(m_blen->geometry().bottom() + 1 + Top + Panel->height() -
                            Panel->contentsRect().bottom() - 1);
    connect(m_anti, &QToolButton::toggled, this, [this](bool Down) {
        m_tools.AntiClick(Down);
        showSwitches();
    });
    connect(m_blen, &QToolButton::toggled, this, [this](bool Down) { m_tools.controller().BlenClick(Down); });
    connect(&m_tools, &SessionTools::switchesChanged, this, &ToolsPanel::showSwitches);
    connect(&m_tools, &SessionTools::toolChanged, this, &ToolsPanel::showCurrent);

    showSwitches();
    showCurrent(m_tools.CurrentTool());
}

QToolButton* ToolsPanel::makeSwitch(QWidget* Panel, const char* Name, const QString& Caption,
                                    const char* Hint) {
    auto* b = new SwitchButton(Panel);
    b->setObjectName(QLatin1String(Name));
    b->setText(Caption);
    b->setFocusPolicy(Qt::NoFocus);
    // The panel is narrow: a desktop font too wide for it is made smaller
    // for the caption; a taller one makes the switch taller, so that no
    // descender is cut off.
    auto lines = [&] {
        return b->fontMetrics().boundingRect(QRect(0, 0, SwitchWidth, 1000), Qt::AlignCenter,
                                             Caption);
    };
    QFont font = b->font();
    while (lines().width() > SwitchWidth - 4 && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        b->setFont(font);
    }
    b->setFixedSize(SwitchWidth, std::max(SwitchHeight, lines().height() + 4));
    applyHint(b, QString::fromUtf8(Hint));
    return b;
}

QToolButton* ToolsPanel::button(int Tag) const {
    const auto it = m_buttons.find(Tag);
    return it == m_buttons.end() ? nullptr : it->second;
}

void ToolsPanel::freeClick(int Tag) {
    // A button that cannot be chosen springs back to the current tool.
    if (!m_tools.controller().freeClick(Tag)) showCurrent(m_tools.CurrentTool());
}

void ToolsPanel::showCurrent(int Tag) {
    if (QToolButton* b = button(Tag); b && b->isCheckable()) b->setChecked(true);
}

void ToolsPanel::showSwitches() {
    const ToolOptions& o = m_tools.options();
    const QSignalBlocker a(m_anti), b(m_blen);
    m_anti->setChecked(o.Anti);
    m_blen->setChecked(o.Blen);
}
