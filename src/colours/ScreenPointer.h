#pragma once

#include <QPoint>

// The mouse pointer's place on the screen. The alpha slider moves the pointer
// along with its thumb; tests record the moves instead.
class ScreenPointer {
public:
    virtual ~ScreenPointer() = default;
    virtual QPoint pos() const = 0;
    virtual void setPos(QPoint Global) = 0;
};

// The platform's pointer.
class QtScreenPointer : public ScreenPointer {
public:
    QPoint pos() const override;
    void setPos(QPoint Global) override;
};
