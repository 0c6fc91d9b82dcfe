#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

// The main window's status bar: three panels side by side. Panel 0 shows the
// long part of the hint under the mouse ("Ready" when there is none), panels 1
// and 2 the readouts of colours and positions. On every resize the bar is cut
// into fifths: three for panel 0, one each for panels 1 and 2.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 3;

    explicit StatusPanels(QWidget* Parent = nullptr);

    QString panelText(int Panel) const;
    void setPanelText(int Panel, const QString& Text);
    int panelWidth(int Panel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void layoutPanels();

    std::array<QLabel*, PanelCount> m_panels{};
    std::array<int, PanelCount> m_widths{};
};
