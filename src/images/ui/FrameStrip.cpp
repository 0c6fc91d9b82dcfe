#include "images/ui/FrameStrip.h"

#include "document/IconDocument.h"
#include "images/ui/FrameListModel.h"
#include "session/FrameEditing.h"
#include "session/FramePrompt.h"
#include "session/Hint.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

FrameStrip::FrameStrip(FrameEditing& Frames, FramePrompt& Prompts, QWidget* Panel)
    : QObject(Panel), m_frames(Frames), m_prompts(Prompts), m_panel(Panel) {
    auto* layout = new QVBoxLayout(Panel);
    layout->setContentsMargins(4, 8, 4, 8);
    layout->setSpacing(4);

    m_list = new QListView(Panel);
    m_list->setObjectName(QStringLiteral("FramesList"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(false);
    m_list->setIconSize(QSize(IconSize, IconSize));
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSpacing(1);
    // Frames are dragged to their new place. The view moves nothing itself:
    // the model hands the move to the session, one undo step, and is rebuilt.
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setDropIndicatorShown(true);
    // A static icon view turns drops on its viewport off; frames are dropped there.
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(this);
    QFont font = m_list->font();
    font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
    m_list->setFont(font);
    applyHint(
        m_list,
        tr("Frames|Click a frame to edit it; drag it to move it; Shift or Ctrl selects several."));
    m_model = new FrameListModel(Frames.document(), this);
    m_model->setMoveHandler([this](int From, int To) { m_frames.moveFrame(From, To); });
    m_list->setModel(m_model);
    layout->addWidget(m_list, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(1);
    struct Button {
        const char* Name;
        QString Text;
        QString Hint;
        std::function<void()> Run;
    };
    const Button list[] = {
        {"AddFrameB", QStringLiteral("+"), tr("Add Frame|Adds a blank frame after the active one."),
         [this] { m_frames.addFrame(FrameEditing::NewFrame::Blank); }},
        {"DuplicateFrameB", QStringLiteral("++"),
         tr("Duplicate Frame|Adds a copy of the active frame after it."),
         [this] { m_frames.addFrame(FrameEditing::NewFrame::Copy); }},
        {"RemoveFrameB", QStringLiteral("\u2212"), tr("Remove Frame|Removes the active frame."),
         [this] { m_frames.removeFrame(); }},
        {"FrameUpB", QStringLiteral("\u25B2"), tr("Frame Up|Moves the active frame one place up."),
         [this] { m_frames.moveFrameUp(); }},
        {"FrameDownB", QStringLiteral("\u25BC"),
         tr("Frame Down|Moves the active frame one place down."),
         [this] { m_frames.moveFrameDown(); }},
        {"RateB", tr("Rate"), tr("Rate|Sets how long the selected frames show."),
         [this] { rateClick(); }},
        {"SequenceB", tr("Seq"), tr("Sequence|Sets the order in which the frames play."),
         [this] { sequenceClick(); }},
        {"PropertiesB", tr("Info"), tr("Properties|Sets the title and author of the cursor."),
         [this] { propertiesClick(); }},
    };
    int n = 0;
    for (const Button& b : list) {
        auto* button = new QToolButton(Panel);
        button->setObjectName(QLatin1String(b.Name));
        button->setText(b.Text);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        applyHint(button, b.Hint);
        connect(button, &QToolButton::clicked, this, b.Run);
        buttons->addWidget(button, n / 2, n % 2);
        ++n;
    }
    layout->addLayout(buttons);

    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& I) {
        if (I.isValid() && m_list->selectionModel()->selectedIndexes().size() <= 1)
            m_frames.activateFrame(I.row());
    });
    connect(m_model, &FrameListModel::rebuilt, this, &FrameStrip::selectActive);
    selectActive();
}

QToolButton* FrameStrip::button(const char* Name) const {
    return m_panel->findChild<QToolButton*>(QLatin1String(Name));
}

std::vector<int> FrameStrip::selectedFrames() const {
    std::vector<int> frames;
    for (const QModelIndex& i : m_list->selectionModel()->selectedIndexes())
        frames.push_back(i.row());
    std::sort(frames.begin(), frames.end());
    if (frames.empty()) frames.push_back(m_frames.document().activeFrame());
    return frames;
}

void FrameStrip::rateClick() {
    const std::vector<int> frames = selectedFrames();
    const std::uint32_t current = m_frames.document().frameRate(frames.front());
    if (const std::optional<std::uint32_t> rate = m_prompts.askRate(current))
        m_frames.setFrameRates(frames, *rate);
}

void FrameStrip::sequenceClick() {
    if (const auto steps = m_prompts.askSequence(m_frames.document())) m_frames.setSequence(*steps);
}

void FrameStrip::propertiesClick() {
    const IconDocument& doc = m_frames.document();
    if (const auto texts = m_prompts.askProperties({doc.Title, doc.Author}))
        m_frames.setTitleAndAuthor(texts->Title, texts->Author);
}

bool FrameStrip::eventFilter(QObject* Watched, QEvent* Event) {
    const QEvent::Type type = Event->type();
    if (Watched != m_list->viewport() ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QObject::eventFilter(Watched, Event);
    takeDrop(*static_cast<QDropEvent*>(Event));
    return true;
}

void FrameStrip::takeDrop(QDropEvent& Event) {
    const QModelIndex onto = m_list->indexAt(Event.position().toPoint());
    if (!m_model->canDropMimeData(Event.mimeData(), Qt::MoveAction, -1, 0, onto)) {
        Event.ignore();
        return;
    }
    Event.setDropAction(Qt::MoveAction);
    Event.accept();
    if (Event.type() == QEvent::Drop)
        m_model->dropMimeData(Event.mimeData(), Qt::MoveAction, -1, 0, onto);
}

void FrameStrip::selectActive() {
    const QModelIndex i = m_model->index(m_frames.document().activeFrame());
    m_list->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(i);
}
