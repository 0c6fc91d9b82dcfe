#pragma once

#include "session/DesktopClipboard.h"

#include <QObject>

// The desktop's clipboard through Qt. A copied picture is offered as PNG
// with its alpha, which other programs on the desktop paste, and in every
// picture type Qt can write; a picture is taken from PNG first, with its
// alpha, then from whatever else Qt can read.
class QtClipboard : public QObject, public DesktopClipboard {
    Q_OBJECT
public:
    explicit QtClipboard(QObject* Parent = nullptr);

    void putPicture(const QImage& Picture) override;
    bool hasPicture() const override;
    QImage picture() const override;

    // The MIME type offered first and read first.
    static const char* const PngType;

private:
    // Asked of the clipboard only when its contents change: on X11 every
    // question about another program's clipboard is a round trip to that
    // program, and the command states are recomputed after every edit.
    void readHasPicture();

    bool m_hasPicture = false;
};
