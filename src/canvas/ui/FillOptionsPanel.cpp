#include "canvas/ui/OptionPanels.h"

#include "session/Hint.h"
#include "session/SessionTools.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {
constexpr double SmallPointSize = 7.5;
}

// PatilP: the gradient bar between its end colours, the fill mode and the
// linear gradient's angle.
void OptionPanels::buildFill(DrawingColourSource Colours) {
    QWidget* p = addPanel(PatilP, "PatilP");
    auto* row = static_cast<QBoxLayout*>(p->layout());
    // The widest panel: it has to fit below the work view of the smallest
    // window with the gradient bar at its full 203 pixels, so its captions
    // take a smaller font and the gaps are small but clear.
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(0);
    QFont small = p->font();
    small.setPointSizeF(std::min(small.pointSizeF(), SmallPointSize));
    p->setFont(small);
    FillOptions& f = m_tools.fillOptions();

    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    bar->addWidget(new GradientSwatch(f.Gradient, GradientModel::End::First, Colours, p));
    m_graP = new GradientBarPanel(f.Gradient, m_tools.barBackground(), Colours, p);
    bar->addWidget(m_graP);
    bar->addWidget(new GradientSwatch(f.Gradient, GradientModel::End::Last, Colours, p));
    row->addLayout(bar);
    row->addSpacing(6);
    connect(m_graP, &GradientBarPanel::hoverText, this,
            [this](const QString& Text) { emit readout(1, Text); });

    auto* modes = new QVBoxLayout;
    modes->setSpacing(0);
    const struct {
        const char* Name;
        const char* Caption;
        FillOptions::Mode Mode;
    } buttons[] = {
        {"Fill1", "Solid Fill", FillOptions::Mode::Solid},
        {"Fill2", "Linear Gradient", FillOptions::Mode::Linear},
        {"Fill3", "Conical Gradient", FillOptions::Mode::Conical},
    };
    for (const auto& b : buttons) {
        auto* radio = new QRadioButton(tr(b.Caption), p);
        radio->setObjectName(QLatin1String(b.Name));
        radio->setChecked(f.FillMode == b.Mode);
        const FillOptions::Mode mode = b.Mode;
        connect(radio, &QRadioButton::toggled, this, [&f, mode](bool On) {
            if (On) f.FillMode = mode;
        });
        modes->addWidget(radio);
    }
    row->addLayout(modes);
    row->addSpacing(4);

    QSpinBox* angle = addUpDown(row, tr("Angle"), "AngE", "AngUP", 0, FillOptions::MaxAngle,
                                f.Angle, tr("Changes linear gradient angle."));
    angle->setSingleStep(FillOptions::AngleStep);
    angle->setFixedWidth(40);
    connect(angle, &QSpinBox::valueChanged, this, [&f](int V) { f.Angle = V; });
}
