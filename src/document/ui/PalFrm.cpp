#include "document/ui/PalFrm.h"

#include "widgets/Contrast.h"

#include "document/ui/ColourPickBox.h"
#include "document/ui/PaletteGridBox.h"
#include "session/Hint.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

TPalFrm::TPalFrm(Prompter& Prompts, const QString& ProgramFolder, QWidget* Parent)
    : QDialog(Parent), m_editor(Prompts, ProgramFolder) {
    setObjectName(QStringLiteral("PalFrm"));
    setWindowTitle(tr("Configure Palette"));
    setFixedSize(306, 361);
    setModal(true);

    m_colorsBox = new PaletteGridBox(this);
    m_colorsBox->setObjectName(QStringLiteral("ColorsBox"));
    m_colorsBox->setGeometry(8, 8, 120, 320);
    applyHint(m_colorsBox, tr("Click on a color to change."));

    m_bitmapo = new ColourPickBox(this);
    m_bitmapo->setObjectName(QStringLiteral("Bitmapo"));
    m_bitmapo->setGeometry(144, 136, 153, 153);
    applyHint(m_bitmapo, tr("Click to add color to palette."));

    m_lbl = new QLabel(tr("Click on a color"), this);
    m_lbl->setObjectName(QStringLiteral("lbl"));
    m_lbl->move(32, 336);
    m_lbl->adjustSize();
    m_lbl->hide();

    const auto run = [this](void (PaletteEditor::*Handler)()) {
        return [this, Handler] {
            (m_editor.*Handler)();
            refresh();
        };
    };
    connect(addButton("win", tr("Windows Standard Colors"), tr("Loads windows standard palette."),
                      {144, 8, 153, 25}),
            &QPushButton::clicked, this, run(&PaletteEditor::winClick));
    connect(
        addButton("load", tr("Load Palette"), tr("Loads palette from file."), {144, 40, 153, 25}),
        &QPushButton::clicked, this, run(&PaletteEditor::loadClick));
    connect(addButton("save", tr("Save Palette"), tr("Saves palette to file."), {144, 72, 153, 25}),
            &QPushButton::clicked, this, run(&PaletteEditor::saveClick));
    connect(addButton("bit", tr("Load Bitmap"), tr("Loads a bitmap image from file."),
                      {144, 104, 153, 25}),
            &QPushButton::clicked, this, run(&PaletteEditor::bitClick));
    connect(addButton("make", tr("Find Bitmap Colors"), tr("Extracts palette  from bitmap."),
                      {144, 296, 153, 25}),
            &QPushButton::clicked, this, run(&PaletteEditor::makeClick));
    QPushButton* ok =
        addButton("OK", tr("OK"), tr("Applies changes and closes dialog box."), {144, 328, 75, 25});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(addButton("Cancel", tr("Cancel"), tr("Closes dialog box without applying changes."),
                      {224, 328, 75, 25}),
            &QPushButton::clicked, this, &QDialog::reject);

    connect(m_colorsBox, &PaletteGridBox::pressed, this, [this](QPoint Pos) {
        m_editor.ColorsBoxMouseDown(Pos);
        refresh();
    });
    connect(m_bitmapo, &ColourPickBox::pressed, this, [this](TColor Displayed) {
        m_editor.BitmapoMouseDown(Displayed);
        refresh();
    });
    m_tim.setInterval(500);
    connect(&m_tim, &QTimer::timeout, this, &TPalFrm::TimTimer);
}

QPushButton* TPalFrm::addButton(const char* Name, const QString& Caption, const QString& Hint,
                                QRect Place) {
    auto* b = new QPushButton(Caption, this);
    b->setObjectName(QLatin1String(Name));
    b->setGeometry(Place);
    b->setAutoDefault(false);
    applyHint(b, Hint);
    // The buttons keep their fixed widths; a caption too wide for one in the
    // desktop's font is written smaller rather than cut off.
    QFont font = b->font();
    const int room = Place.width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin);
    while (QFontMetrics(font).horizontalAdvance(Caption) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    b->setFont(font);
    return b;
}

QPushButton* TPalFrm::button(const char* Name) const {
    return findChild<QPushButton*>(QLatin1String(Name));
}

void TPalFrm::setPickCursor(const QCursor& Cursor) {
    m_bitmapo->setCursor(Cursor);
}

void TPalFrm::refresh() {
    m_colorsBox->setPicture(m_editor.grid());
    m_bitmapo->setPicture(m_editor.bitmap());
    const bool picking = m_editor.pickMode();
    m_lbl->setVisible(picking);
    if (picking && !m_tim.isActive()) m_tim.start();
    if (!picking) m_tim.stop();
}

void TPalFrm::TimTimer() {
    // Red and the dialog's own text colour by turns. The red phase only has
    // to catch the eye (the text reads in the other), so red stays red
    // unless a background makes it hard to see.
    m_lblRed = !m_lblRed;
    const QPalette own = palette();
    const QColor back = own.color(QPalette::Window);
    QPalette p = m_lbl->palette();
    p.setColor(QPalette::WindowText, m_lblRed ? readableOn(QColor(Qt::red), back, GlyphContrast)
                                              : readableOn(own.color(QPalette::WindowText), back));
    m_lbl->setPalette(p);
}

void TPalFrm::FormShow(const PalettePicture& Current) {
    m_editor.FormShow(Current);
    refresh();
}

void TPalFrm::FormHide() {
    m_editor.FormHide();
    refresh();
}

std::optional<PalettePicture> TPalFrm::execute(const PalettePicture& Current) {
    if (parentWidget()) {
        // Centred on the main window.
        const QRect p = parentWidget()->frameGeometry();
        move(p.center() - rect().center());
    }
    FormShow(Current);
    std::optional<PalettePicture> result;
    if (exec() == QDialog::Accepted) result = m_editor.workingCopy();
    FormHide();
    return result;
}
