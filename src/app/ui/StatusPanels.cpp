#include "app/ui/StatusPanels.h"

#include <QLabel>
#include <QResizeEvent>

StatusPanels::StatusPanels(QWidget* Parent) : QStatusBar(Parent) {
    setObjectName(QStringLiteral("StatusBar"));
    for (int i = 0; i < PanelCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        label->setTextFormat(Qt::PlainText);
        m_panels[std::size_t(i)] = label;
    }
    m_panels[0]->setText(tr("Ready"));
    layoutPanels();
}

QString StatusPanels::panelText(int Panel) const {
    if (Panel < 0 || Panel >= PanelCount) return {};
    return m_panels[std::size_t(Panel)]->text();
}

void StatusPanels::setPanelText(int Panel, const QString& Text) {
    if (Panel < 0 || Panel >= PanelCount) return;
    m_panels[std::size_t(Panel)]->setText(Text);
}

int StatusPanels::panelWidth(int Panel) const {
    if (Panel < 0 || Panel >= PanelCount) return 0;
    return m_widths[std::size_t(Panel)];
}

QSize StatusPanels::sizeHint() const {
    const int h = fontMetrics().height() + 8;
    return QSize(QStatusBar::sizeHint().width(), h);
}

QSize StatusPanels::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void StatusPanels::resizeEvent(QResizeEvent* Event) {
    QStatusBar::resizeEvent(Event);
    layoutPanels();
}

void StatusPanels::layoutPanels() {
    const int w = width() / 5;
    m_widths = {3 * w, w, w};
    int x = 0;
    for (int i = 0; i < PanelCount; ++i) {
        m_panels[std::size_t(i)]->setGeometry(x, 2, m_widths[std::size_t(i)] - 2, height() - 2);
        x += m_widths[std::size_t(i)];
    }
}
