#include "canvas/ui/OptionPanels.h"

#include "canvas/ui/BrushShapeEditor.h"
#include "canvas/ui/ToolGlyphs.h"
#include "session/Hint.h"
#include "session/SessionTools.h"
#include "widgets/DrawnGlyph.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

const QString BrushHint = QStringLiteral("Click to change brush shape.");

QToolButton* optionButton(QWidget* Parent, const char* Name, OptionGlyph Glyph,
                          const QString& Hint) {
    auto* b = new QToolButton(Parent);
    b->setObjectName(QLatin1String(Name));
    b->setIcon(optionGlyph(Glyph));
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(28, 28);
    b->setCheckable(true);
    applyHint(b, Hint);
    return b;
}

} // namespace

QSpinBox* addUpDown(QBoxLayout* Row, const QString& Caption, const char* EditName,
                    const char* UpDownName, int Min, int Max, int Value, const QString& Hint) {
    QWidget* parent = Row->parentWidget();
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    auto* label = new QLabel(Caption, parent);
    label->setObjectName(QLatin1String(EditName) + QStringLiteral("Label"));
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(UpDownName));
    spin->setRange(Min, Max);
    spin->setValue(Value);
    spin->setFixedWidth(64);
    if (!Hint.isEmpty()) applyHint(spin, Hint);
    label->setBuddy(spin);
    column->addWidget(label);
    column->addWidget(spin);
    column->addStretch(1);
    Row->addLayout(column);
    return spin;
}

OptionPanels::OptionPanels(QWidget* OpsPanel, SessionTools& Tools, DrawingColourSource Colours)
    : QObject(OpsPanel), m_ops(OpsPanel), m_tools(Tools) {
    m_layout = qobject_cast<QBoxLayout*>(OpsPanel->layout());
    if (!m_layout) m_layout = new QHBoxLayout(OpsPanel);
    buildEraser();
    buildSpray();
    buildBrush();
    buildRect();
    buildRound();
    buildText();
    buildFill(std::move(Colours));
    m_layout->addStretch(1);
    showPanels(NoPanel);
}

QWidget* OptionPanels::addPanel(OptionPanel Which, const char* Name) {
    auto* panel = new QFrame(m_ops);
    panel->setObjectName(QLatin1String(Name));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 2, 4, 2);
    row->setSpacing(6);
    m_layout->addWidget(panel);
    m_panels[Which] = panel;
    return panel;
}

QWidget* OptionPanels::panel(OptionPanel Which) const {
    const auto it = m_panels.find(Which);
    return it == m_panels.end() ? nullptr : it->second;
}

void OptionPanels::showPanels(unsigned Panels) {
    for (auto& [bit, widget] : m_panels)
        widget->setVisible((Panels & bit) != 0);
}

void OptionPanels::buildEraser() {
    QWidget* p = addPanel(EraserP, "EraserP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    ToolOptions& o = m_tools.options();
    QSpinBox* w = addUpDown(row, tr("Eraser width:"), "ErWid", "ErWUP", ToolOptions::EraserMin,
                            ToolOptions::EraserMax, o.EraserWidth);
    QSpinBox* h = addUpDown(row, tr("Eraser height:"), "ErHei", "ErHUP", ToolOptions::EraserMin,
                            ToolOptions::EraserMax, o.EraserHeight);
    connect(w, &QSpinBox::valueChanged, this, [&o](int V) { o.EraserWidth = V; });
    connect(h, &QSpinBox::valueChanged, this, [&o](int V) { o.EraserHeight = V; });
}

void OptionPanels::buildSpray() {
    QWidget* p = addPanel(SprayP, "SprayP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    ToolOptions& o = m_tools.options();
    QSpinBox* r = addUpDown(row, tr("Spray radius"), "SprayR", "SprayUP", ToolOptions::SprayMin,
                            ToolOptions::SprayMax, o.SprayRadius);
    connect(r, &QSpinBox::valueChanged, this, [&o](int V) { o.SprayRadius = V; });
}

void OptionPanels::buildBrush() {
    QWidget* p = addPanel(BrushP, "BrushP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    m_brusI = new BrushShapeEditor(m_tools.options().Brush, p);
    applyHint(m_brusI, BrushHint);
    row->addWidget(m_brusI);
    // The editor apart from the presets, which look just like it.
    auto* line = new QFrame(p);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line);
    for (int n = 1; n <= BrushShape::PresetCount; ++n) {
        auto* b = new QToolButton(p);
        b->setObjectName(QStringLiteral("Brush%1").arg(n));
        const QImage glyph = BrushShape::preset(n).picture();
        // A pixel picture: enlarged on dense screens by whole pixels, never blurred.
        b->setIcon(drawnGlyphIcon(glyph.size(), [glyph](QPainter& P) {
            P.setRenderHint(QPainter::SmoothPixmapTransform, false);
            P.drawImage(QPointF(0, 0), glyph);
        }));
        b->setIconSize(glyph.size());
        b->setFixedSize(glyph.width() + 6, glyph.height() + 6);
        b->setAutoRaise(true);
        applyHint(b, BrushHint);
        connect(b, &QToolButton::clicked, this, [this, n] { Brush1Click(n); });
        row->addWidget(b);
    }
}

void OptionPanels::Brush1Click(int Number) {
    m_tools.options().Brush = BrushShape::preset(Number);
    m_brusI->shapeChanged();
}

void OptionPanels::buildRect() {
    QWidget* p = addPanel(RectP, "RectP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    ToolOptions& o = m_tools.options();
    auto* outline = optionButton(p, "Rect2", OptionGlyph::NoFill,
                                 QStringLiteral("No fill|Draws shape borders."));
    auto* solid = optionButton(p, "Rect3", OptionGlyph::SolidFill,
                               QStringLiteral("Solid fill|Fills shape with foreground color."));
    auto* group = new QButtonGroup(p);
    group->addButton(outline);
    group->addButton(solid);
    (o.SolidFill ? solid : outline)->setChecked(true);
    connect(solid, &QToolButton::toggled, this, [&o](bool Down) { o.SolidFill = Down; });
    row->addWidget(outline);
    row->addWidget(solid);

    // CenterE sits in RectP but shows only with the ellipse.
    auto* center = optionButton(p, "CenterE", OptionGlyph::Center,
                                QStringLiteral("Center|Draws circles from center."));
    center->setChecked(o.CenterE);
    connect(center, &QToolButton::toggled, this, [&o](bool Down) { o.CenterE = Down; });
    row->addSpacing(6);
    row->addWidget(center);
    m_panels[CenterEButton] = center;
}

void OptionPanels::buildRound() {
    QWidget* p = addPanel(RoundP, "RoundP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    ToolOptions& o = m_tools.options();
    QSpinBox* w = addUpDown(row, tr("Ellipse width"), "xround", "xup", ToolOptions::RoundMin,
                            ToolOptions::RoundMax, o.RoundWidth, tr("Changes ellipse width."));
    QSpinBox* h = addUpDown(row, tr("Ellipse height"), "yround", "yup", ToolOptions::RoundMin,
                            ToolOptions::RoundMax, o.RoundHeight, tr("Changes ellipse height."));
    connect(w, &QSpinBox::valueChanged, this, [&o](int V) { o.RoundWidth = V; });
    connect(h, &QSpinBox::valueChanged, this, [&o](int V) { o.RoundHeight = V; });
}

void OptionPanels::buildText() {
    QWidget* p = addPanel(TextP, "TextP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    ToolOptions& o = m_tools.options();

    // The caption above; the text box, the Font button and the transparent
    // switch side by side on one line below it.
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    auto* label = new QLabel(tr("Type your Text here"), p);
    auto* txt = new QLineEdit(o.Text, p);
    txt->setObjectName(QStringLiteral("txt"));
    txt->setFixedWidth(150);
    applyHint(txt, tr("Changes text."));
    label->setBuddy(txt);
    connect(txt, &QLineEdit::textChanged, this, [this](const QString& T) { m_tools.txtChange(T); });

    auto* font = new QPushButton(tr("Font"), p);
    font->setObjectName(QStringLiteral("FontBtn"));
    applyHint(font, tr("Changes text font."));
    connect(font, &QPushButton::clicked, this, [this] { m_tools.FontBtnClick(); });

    auto* tran =
        optionButton(p, "TexTran", OptionGlyph::Transparent,
                     QStringLiteral("Transparent Text|Draws text with transparent background."));
    tran->setChecked(o.TexTran);
    connect(tran, &QToolButton::toggled, this, [&o](bool Down) { o.TexTran = Down; });

    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    for (QWidget* w :
         {static_cast<QWidget*>(txt), static_cast<QWidget*>(font), static_cast<QWidget*>(tran)})
        line->addWidget(w, 0, Qt::AlignVCenter);
    column->addWidget(label);
    column->addLayout(line);
    column->addStretch(1);
    row->addLayout(column);
}
