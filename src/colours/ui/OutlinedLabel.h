#pragma once

#include <QLabel>

// A label whose text carries a one-pixel outline in black or white, whichever
// stands apart from the text colour, so the text reads on any background: the
// complement of mid-grey is mid-grey, and the outline still shows there.
class OutlinedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Black behind light text, white behind dark text.
    static QColor outlineFor(const QColor& Text);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
