#pragma once

#include <QToolButton>

// A button that stays down until it is clicked again, for a mode that decides
// what the next stroke or paste does. Its state must read at a glance: up it
// is a raised button, down it is sunken, with the style's pressed look and a
// face tinted by the palette's highlight, its caption moved in as a pressed
// button's is. Everything comes from the palette's roles, so the two states
// stay apart on light and dark desktops alike and at every scale.
class SwitchButton : public QToolButton {
    Q_OBJECT
public:
    explicit SwitchButton(QWidget* Parent = nullptr);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
