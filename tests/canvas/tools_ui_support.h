#pragma once

#include "ScriptedPrompter.h"
#include "canvas/ui/OptionPanels.h"
#include "canvas/ui/ToolsPanel.h"
#include "canvas/ui/ToolsUi.h"
#include "canvas/ui/WorkPanelParts.h"
#include "canvas/ui/WorkView.h"
#include "colours/ColourState.h"
#include "session/EditSession.h"
#include "session/SessionTools.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

// The tools panel and the work panel side by side as the main window lays
// them out, showing a real session; mouse events go to the real work view.
struct ToolsUiFixture : testing::Test {
    ScriptedPrompter prompts;
    EditSession session{prompts, QStringLiteral(BRISEL_DATA_DIR "/")};
    QWidget window;
    QFrame* toolsFrame = nullptr;
    WorkPanelParts parts;
    std::unique_ptr<ToolsUi> ui;

    void SetUp() override {
        auto* row = new QHBoxLayout(&window);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        toolsFrame = new QFrame(&window);
        toolsFrame->setFixedWidth(60);
        auto* workPanel = new QFrame(&window);
        new QVBoxLayout(workPanel);
        workPanel->layout()->setContentsMargins(0, 0, 0, 0);
        parts = buildWorkPanel(workPanel);
        connectWorkView(parts.Work, session);
        row->addWidget(toolsFrame);
        row->addWidget(workPanel, 1);
        ui = std::make_unique<ToolsUi>(session, toolsFrame, parts.OpsPanel, parts.Work,
                                       [](int) { return QCursor(Qt::CrossCursor); });
        // Work at its design size, 369 x 367, above the 57-pixel OpsPanel.
        window.resize(60 + 8 + 369 + 8, 8 + 367 + 8 + 57);
        session.NewAExecute(true);
        window.grab();
    }

    SessionTools& tools() { return session.tools(); }
    QToolButton* button(int Tag) { return ui->tools().button(Tag); }
    void choose(int Tag) {
        ASSERT_TRUE(button(Tag)->isEnabled());
        button(Tag)->click();
    }
    void setForeground(TColor32 Colour) {
        ColourState s = session.colours();
        s.setColour(ColourSlot::Foreground, Color32ToColor(Colour), AlphaOf(Colour));
        session.setColours(s);
    }

    // The middle of an image pixel's cell on Work.
    QPointF at(QPoint Pixel) {
        const WorkViewGeometry& z = parts.Work->zoom();
        const qreal dpr = parts.Work->devicePixelRatioF();
        return QPointF((Pixel.x() + 0.5) * z.ZoomX / dpr, (Pixel.y() + 0.5) * z.ZoomY / dpr);
    }
    // A mouse event at a widget position, delivered as the window would.
    static void sendMouse(QWidget* W, QEvent::Type Type, QPointF P, Qt::MouseButton Button,
                          Qt::MouseButtons Held) {
        QMouseEvent e(Type, P, W->mapToGlobal(P), Button, Held, Qt::NoModifier);
        QApplication::sendEvent(W, &e);
    }
    void send(QEvent::Type Type, QPoint Pixel, Qt::MouseButton Button, Qt::MouseButtons Held) {
        sendMouse(parts.Work, Type, at(Pixel), Button, Held);
    }
    void press(QPoint P, Qt::MouseButton B = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, P, B, B);
    }
    void drag(QPoint P, Qt::MouseButton B = Qt::LeftButton) {
        send(QEvent::MouseMove, P, Qt::NoButton, B);
    }
    void hover(QPoint P) { send(QEvent::MouseMove, P, Qt::NoButton, Qt::NoButton); }
    void release(QPoint P, Qt::MouseButton B = Qt::LeftButton) {
        send(QEvent::MouseButtonRelease, P, B, Qt::NoButton);
    }
    void click(QPoint P, Qt::MouseButton B = Qt::LeftButton) {
        press(P, B);
        release(P, B);
    }
    void stroke(std::initializer_list<QPoint> Points) {
        const QPoint* p = Points.begin();
        press(*p);
        for (++p; p != Points.end(); ++p)
            drag(*p);
        release(*(Points.end() - 1));
    }
};
