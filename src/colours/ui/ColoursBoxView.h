#pragma once

#include <QWidget>

class EditSession;

// The paint box ColorsBox: shows the session's palette box and picks from it
// with the left (foreground) or right (background) button. Over the palette
// part it reads out the colour under the mouse; over the transparent/inverted
// row and outside it reads out nothing.
class ColoursBoxView : public QWidget {
    Q_OBJECT
public:
    explicit ColoursBoxView(EditSession& Session, QWidget* Parent = nullptr);

    // Takes the height of a rebuilt box and repaints.
    void boxChanged();

signals:
    // The status readouts; both empty when the mouse is over no colour.
    void readout(const QString& Rgb, const QString& Hex);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    EditSession& m_session;
};
