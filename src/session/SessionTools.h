#pragma once

#include "canvas/tools/FillOptions.h"
#include "canvas/tools/SelectionContext.h"
#include "canvas/tools/ToolContext.h"
#include "canvas/tools/ToolController.h"
#include "canvas/tools/ToolOptions.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

class EditSession;

// The painting tools as the editing session runs them: the session's side of
// the tools' narrow context, the controller that carries the mouse protocol,
// the options of every tool and the spray timer. The window feeds it image
// pixels from the work view and follows its signals (cursor, option panels,
// status texts); the session owns one for the whole run.
class SessionTools : public QObject, public ToolContext, public SelectionContext {
    Q_OBJECT
public:
    explicit SessionTools(EditSession& Session);
    ~SessionTools() override;

    ToolController& controller() { return m_controller; }
    ToolOptions& options() { return m_options; }
    FillOptions& fillOptions() override { return m_fillOptions; }
    // The picture behind the gradient bar, "Use Files\Tra.bmp"; null when
    // the file cannot be read (the bar then shows white behind it).
    const QImage& barBackground() const { return m_barBackground; }

    int CurrentTool() const { return m_controller.CurrentTool(); }
    // The hint of Work while the current tool is chosen, or after a click of
    // a click sequence.
    const QString& workHint() const { return m_workHint; }
    bool sprayTimerRunning() const { return m_sprayTim.isActive(); }

    // --- what the window calls besides the controller's mouse protocol ---
    // Anti going down pushes Blen down too; switchesChanged tells the window.
    void AntiClick(bool Down);
    // txtChange: the text to write is Text; the text tool previews it.
    void txtChange(const QString& Text);
    // FontBtnClick: the font dialog starts with the text font; a confirmed
    // choice becomes the text font (kept with the settings).
    void FontBtnClick();

    // --- ToolContext ---
    TBitmap32& workBitmap() override;
    TBitmap32& cleanBitmap() override;
    void pushUndo() override;
    void fitToPalette() override;
    std::uint8_t imageFormat() const override;
    void setHotSpot(QPoint Pixel) override;
    int traRange() const override;
    TColor32 foregroundColor32() const override;
    TColor32 backgroundColor32() const override;
    void setForegroundColor32(TColor32 Color) override;
    void setBackgroundColor32(TColor32 Color) override;
    ToolOptions& toolOptions() override { return m_options; }
    void setWorkHint(const QString& Text) override;
    void showExtent(const QString& Text) override;
    void renderWorkView() override;
    void toolSelected(const ToolInfo& Info) override;
    void setSprayTimer(bool Running) override;

    // --- SelectionContext ---
    FloatingSelection* floatingSelection() override;
    void DropSelection() override;
    void floatSelection(FloatingSelection Selection) override;
    void setSelTimInterval(int Milliseconds) override;
    void setWorkCursor(int Number) override;

signals:
    // Another tool is current (a button, the picker going back, a file
    // being opened): the window sets the cursor, option panels and HotTim.
    void toolChanged(int Tag);
    void workHintChanged(const QString& Text);
    // The drag extent of a shape, for the status bar's third panel.
    void extentChanged(const QString& Text);
    // A mode switch changed without being clicked (Anti pushes Blen down).
    void switchesChanged();
    // The select tool shows the cursor of the handle under the mouse.
    void workCursorChanged(int Number);

private:
    void copyBlendSwitch();

    EditSession& m_session;
    ToolOptions m_options;
    FillOptions m_fillOptions;
    ToolController m_controller;
    QTimer m_sprayTim;
    QImage m_barBackground;
    QString m_workHint;
};
