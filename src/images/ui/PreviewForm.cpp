#include "images/ui/PreviewForm.h"

#include "images/ui/PreviewBox.h"
#include "images/ui/PreviewFrame.h"
#include "session/Hint.h"
#include "session/Prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
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
    FormCreate();
    connect(m_colBox, &QComboBox::activated, this, &TPrvFrm::ColBoxChange);
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
    showFrame();
}

void TPrvFrm::FormHide() {
    if (m_lender) *m_lender = m_custom;
    m_lender = nullptr;
    m_picture = TBitmap32();
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
    // The window grows with the paint box; the colour list stays below it.
    const QSize grown = m_pb->size() - QSize(PreviewBoxSize, PreviewBoxSize);
    setFixedSize(DesignSize + grown);
    m_colBox->move(m_colBox->x(), ListTop + grown.height());
    m_lbl->move(m_lbl->x(), m_colBox->y() + (m_colBox->height() - m_lbl->height()) / 2);
}

void TPrvFrm::mouseMoveEvent(QMouseEvent* Event) {
    m_pb->hideMagnifier(); // FormMouseMove: the mouse left the picture
    QDialog::mouseMoveEvent(Event);
}
