#include "images/ui/PreviewForm.h"

#include "images/ui/PreviewBox.h"
#include "images/ui/PreviewFrame.h"
#include "session/Hint.h"
#include "session/Prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

const QSize DesignSize(275, 307);
constexpr int ListTop = 279;

QIcon swatch(TColor C) {
    QPixmap pixmap(16, 12);
    pixmap.fill(rgbColour(C));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

TPrvFrm::TPrvFrm(Prompter& Prompts, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_prompter(Prompts) {
    setObjectName(QStringLiteral("PrvFrm"));
    setWindowTitle(tr("Preview Icon"));
    setFixedSize(DesignSize);
    setAutoFillBackground(true);
    setMouseTracking(true);
    m_pb = new PreviewBox(this);
    m_pb->move(10, 10);
    m_lbl = new QLabel(tr("Background Color:"), this);
    m_lbl->setObjectName(QStringLiteral("lbl"));
    m_lbl->move(12, 283);
    m_lbl->adjustSize();
    m_colBox = new QComboBox(this);
    m_colBox->setObjectName(QStringLiteral("ColBox"));
    // The list starts at 105 unless the desktop font makes the caption wider;
    // its right edge stays where it was meant to be either way.
    const int listLeft = std::max(105, m_lbl->x() + m_lbl->width() + 6);
    m_colBox->setGeometry(listLeft, ListTop, 257 - listLeft, 22);
    m_lbl->move(12, m_colBox->y() + (m_colBox->height() - m_lbl->height()) / 2);
    applyHint(m_colBox, tr("Changes background color."));
    m_play = new QPushButton(tr("&Play"), this);
    m_play->setObjectName(QStringLiteral("PlayB"));
    m_play->setGeometry(10, 309, 75, 24);
    m_play->hide();
    applyHint(m_play, tr("Plays the animation at its rates, or stops it."));
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TPrvFrm::nextStep);
    connect(m_play, &QPushButton::clicked, this, &TPrvFrm::PlayClick);
    FormCreate();
    connect(m_colBox, &QComboBox::activated, this, &TPrvFrm::ColBoxChange);
}

void TPrvFrm::setAnimation(std::vector<PreviewStep> Steps) {
    m_steps = std::move(Steps);
    const bool animated = !m_steps.empty();
    m_play->setVisible(animated);
    fitToBox();
}

bool TPrvFrm::playing() const {
    return m_timer->isActive();
}

void TPrvFrm::PlayClick() {
    if (m_stepPictures.empty()) return;
    if (playing()) {
        m_timer->stop();
        m_play->setText(tr("&Play"));
        m_picture = m_still;
        showFrame();
        return;
    }
    m_play->setText(tr("&Stop"));
    m_step = -1;
    nextStep();
}

void TPrvFrm::nextStep() {
    m_step = (m_step + 1) % int(m_stepPictures.size());
    m_picture = m_stepPictures[std::size_t(m_step)];
    showFrame();
    m_timer->start(std::max(1, m_steps[std::size_t(m_step)].Milliseconds));
}

TPrvFrm::~TPrvFrm() = default;

void TPrvFrm::FormCreate() {
    m_entries = previewColourEntries();
    for (const PreviewColourEntry& e : m_entries)
        m_colBox->addItem(swatch(e.Colour), e.Name);
    for (int i = 0; i < int(m_entries.size()); ++i)
        if (m_entries[std::size_t(i)].Colour == m_background) m_colBox->setCurrentIndex(i);
    setBackground(m_background);
}

void TPrvFrm::setMagnifierCursor(const QCursor& Cursor) {
    m_pb->setCursor(Cursor);
}

void TPrvFrm::execute(const TBitmap32& Clean, ColourFormat Format,
                      const TransparencySettings& Transparency, CustomColours& Custom) {
    FormShow(Clean, Format, Transparency, Custom);
    exec();
    FormHide();
}

void TPrvFrm::FormShow(const TBitmap32& Clean, ColourFormat Format,
                       const TransparencySettings& Transparency, CustomColours& Custom) {
    m_lender = &Custom;
    m_custom = Custom;
    m_picture = makePreviewPicture(Clean, Format, Transparency);
    m_still = m_picture;
    m_stepPictures.clear();
    for (const PreviewStep& step : m_steps)
        m_stepPictures.push_back(makePreviewPicture(step.Picture, step.Format, Transparency));
    m_play->setText(tr("&Play"));
    showFrame();
}

void TPrvFrm::FormHide() {
    if (m_lender) *m_lender = m_custom;
    m_lender = nullptr;
    m_timer->stop();
    m_picture = TBitmap32();
    m_still = TBitmap32();
    m_stepPictures.clear();
    m_pb->clearFrame();
}

void TPrvFrm::ColBoxChange(int Index) {
    if (Index < 0 || Index >= int(m_entries.size())) return;
    PreviewColourEntry& entry = m_entries[std::size_t(Index)];
    if (Index == int(m_entries.size()) - 1) {
        // Cancelling keeps the colour "Custom..." had, and it still becomes
        // the background: the user did pick the entry.
        if (const std::optional<TColor> chosen = m_prompter.chooseColor(entry.Colour, m_custom)) {
            entry.Colour = *chosen;
            m_colBox->setItemIcon(Index, swatch(entry.Colour));
        }
    }
    m_colBox->setCurrentIndex(Index);
    setBackground(entry.Colour);
    showFrame();
}

void TPrvFrm::setBackground(TColor Colour) {
    m_background = Colour;
    QPalette window = palette();
    window.setColor(QPalette::Window, rgbColour(Colour));
    setPalette(window);
    // The caption stays readable on any background.
    QPalette text = m_lbl->palette();
    text.setColor(QPalette::WindowText, rgbColour(0xFFFFFF - Colour));
    m_lbl->setPalette(text);
}

void TPrvFrm::showFrame() {
    if (m_picture.Empty()) return;
    m_pb->setFrame(makePreviewFrame(m_picture, m_background),
                   previewOrigin(m_picture.Width, m_picture.Height), m_picture.Width,
                   m_picture.Height, m_background);
    fitToBox();
}

void TPrvFrm::fitToBox() {
    // The window grows with the paint box; the colour list stays below it,
    // and below that the Play button of an animation.
    const QSize grown = m_pb->size() - QSize(PreviewBoxSize, PreviewBoxSize);
    m_colBox->move(m_colBox->x(), ListTop + grown.height());
    m_lbl->move(m_lbl->x(), m_colBox->y() + (m_colBox->height() - m_lbl->height()) / 2);
    m_play->move(m_play->x(), m_colBox->y() + m_colBox->height() + 8);
    const int playRow = m_play->isVisibleTo(this) ? m_play->height() + 10 : 0;
    setFixedSize(DesignSize + grown + QSize(0, playRow));
}

void TPrvFrm::mouseMoveEvent(QMouseEvent* Event) {
    m_pb->hideMagnifier(); // FormMouseMove: the mouse left the picture
    QDialog::mouseMoveEvent(Event);
}
