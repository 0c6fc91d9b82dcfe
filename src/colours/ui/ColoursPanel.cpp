#include "colours/ui/ColoursPanel.h"

#include "colours/ui/AlphaSliderView.h"
#include "colours/ui/ColourGlyphs.h"
#include "colours/ui/ColourSwatches.h"
#include "colours/ui/ColoursBoxView.h"
#include "session/EditSession.h"
#include "session/Hint.h"

#include <QEvent>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int BoxLeft = 8;
constexpr int BoxTop = 8;
// The least space between the "Transparent Color" and "Inverted Color" labels,
// and between them and the panel's edges.
constexpr int LabelGap = 6;
constexpr int LabelMargin = 2;

QLabel* markerLabel(QWidget* Parent, const char* Name, const QString& Text) {
    auto* l = new QLabel(Text, Parent);
    l->setObjectName(QLatin1String(Name));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

QToolButton* toolButton(QWidget* Parent, const char* Name, QPoint Pos, const QIcon& Glyph,
                        const QString& Hint) {
    auto* b = new QToolButton(Parent);
    b->setObjectName(QLatin1String(Name));
    b->setAutoRaise(true);
    b->setIcon(Glyph);
    b->setIconSize(QSize(20, 20));
    b->setGeometry(QRect(Pos, QSize(28, 28)));
    b->setFocusPolicy(Qt::NoFocus);
    applyHint(b, Hint);
    return b;
}

} // namespace

ColoursPanel::ColoursPanel(ColourEditing& Session, QWidget* ColorsPanel, QWidget* ToolsPanel)
    : QObject(ColorsPanel), m_session(Session), m_colorsPanel(ColorsPanel),
      m_designWidth(ColorsPanel->width()) {
    m_box = new ColoursBoxView(Session, ColorsPanel);
    m_box->move(BoxLeft, BoxTop);
    m_traLbl = markerLabel(ColorsPanel, "TraLbl", tr("Transparent\nColor"));
    m_invLbl = markerLabel(ColorsPanel, "InvLbl", tr("Inverted\nColor"));
    m_alph = new AlphaSliderView(Session, m_screenPointer, ColorsPanel);

    m_swatches = new ColourSwatches(Session, ToolsPanel);
    m_swatches->move(ColspanPos);
    m_changecol = toolButton(ToolsPanel, "changecol", ChangecolPos, changeColourGlyph(),
                             tr("Change Color F to B|Click to change colors."));
    m_colcovert = toolButton(ToolsPanel, "colcovert", ColcovertPos, replaceColoursGlyph(),
                             tr("Replace Colors F and B|Click to replace colors."));
    m_changecol->setProperty("Tag", 18);
    m_colcovert->setProperty("Tag", 17);

    connect(m_box, &ColoursBoxView::readout, this, &ColoursPanel::readout);
    connect(m_swatches, &ColourSwatches::readout, this, &ColoursPanel::readout);

    ColorsPanel->installEventFilter(this);
    placeAlph();
}

void ColoursPanel::setScreenPointer(ScreenPointer& Pointer) {
    m_alph->setScreenPointer(Pointer);
}

void ColoursPanel::layoutBox() {
    m_box->boxChanged();
    const ColoursBox& box = m_session.coloursBox();
    m_traLbl->adjustSize();
    m_invLbl->adjustSize();
    // The panel keeps its width unless the two captions, side by side in the
    // desktop's font, need more; then it grows and what it holds stays
    // centred in it.
    const int edge = m_colorsPanel->width() - m_colorsPanel->contentsRect().width();
    const int needed = m_traLbl->width() + LabelGap + m_invLbl->width() + edge + 2 * LabelMargin;
    const int width = std::max(m_designWidth, needed);
    if (width != m_colorsPanel->width()) m_colorsPanel->setFixedWidth(width);
    const int shift = (width - m_designWidth) / 2;
    m_box->move(BoxLeft + shift, BoxTop);

    const int top = BoxTop + box.labelsTop();
    // Each label centred under its cell of the marker row. Labels wider than
    // their cells are pushed apart, into the panel's margins, so the two
    // captions never run together.
    const int half = ColoursBox::Width / 2;
    int traLeft = BoxLeft + shift + half / 2 - m_traLbl->width() / 2;
    int invLeft = BoxLeft + shift + half + half / 2 - m_invLbl->width() / 2;
    const int overlap = traLeft + m_traLbl->width() + LabelGap - invLeft;
    if (overlap > 0) {
        traLeft = std::max(edge / 2 + LabelMargin, traLeft - (overlap + 1) / 2);
        invLeft = traLeft + m_traLbl->width() + LabelGap;
    }
    m_traLbl->move(traLeft, top);
    m_invLbl->move(invLeft, top);
    // The slider keeps its distance below the captions: the window grows
    // rather than let them meet.
    const int labelsBottom = top + std::max(m_traLbl->height(), m_invLbl->height());
    m_colorsPanel->setMinimumHeight(labelsBottom + LabelGap + AlphaSliderView::TrackHeight +
                                    AlphBottomGap);
    placeAlph();
}

void ColoursPanel::placeAlph() {
    const int shift = (m_colorsPanel->width() - m_designWidth) / 2;
    m_alph->move(5 + shift, m_colorsPanel->height() - AlphaSliderView::TrackHeight - AlphBottomGap);
}

bool ColoursPanel::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == m_colorsPanel && Event->type() == QEvent::Resize) placeAlph();
    // Another font (the desktop's, changed while the program runs) sizes the
    // captions anew.
    if (Watched == m_colorsPanel && Event->type() == QEvent::FontChange) layoutBox();
    return QObject::eventFilter(Watched, Event);
}

void connectColoursPanel(ColoursPanel* Panel, EditSession& Session) {
    QObject::connect(&Session, &EditSession::coloursChanged, Panel->Alph(),
                     &AlphaSliderView::followColours);
    QObject::connect(&Session, &EditSession::coloursChanged, Panel->colspan(),
                     &ColourSwatches::refresh);
    // Opening a file snaps the colours to the new image's palette without
    // announcing it separately.
    QObject::connect(&Session, &EditSession::activeImageChanged, Panel->colspan(),
                     &ColourSwatches::refresh);
    QObject::connect(Panel->changecol(), &QToolButton::clicked, &Session,
                     &EditSession::changecolClick);
    QObject::connect(Panel->colcovert(), &QToolButton::clicked, &Session,
                     &EditSession::colcovertClick);
    QObject::connect(&Session, &EditSession::coloursBoxChanged, Panel,
                     &ColoursPanel::layoutBox);
    // New and Open show another image without rebuilding the box themselves.
    QObject::connect(&Session, &EditSession::activeImageChanged, &Session,
                     &EditSession::RebuildColoursBox);
    Session.RebuildColoursBox();
}
