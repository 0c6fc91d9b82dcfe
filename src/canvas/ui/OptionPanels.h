#pragma once

#include "canvas/tools/ToolInfo.h"
#include "canvas/ui/GradientBarWidget.h"

#include <QObject>
#include <map>

class BrushShapeEditor;
class QBoxLayout;
class QSpinBox;
class QWidget;
class SessionTools;

// The tools' option panels in OpsPanel below the work view: EraserP, SprayP,
// BrushP, RectP (with CenterE), RoundP, TextP and PatilP. Each is bound to the
// session's tool options and shown exactly while a tool that uses it is
// chosen.
class OptionPanels : public QObject {
    Q_OBJECT
public:
    // Lays the panels into OpsPanel's (empty) layout, all hidden.
    OptionPanels(QWidget* OpsPanel, SessionTools& Tools, DrawingColourSource Colours);

    // Shows the panels of a ToolInfo's Panels bits and hides every other one.
    void showPanels(unsigned Panels);
    // BrushP, EraserP, ... (one bit of OptionPanel, CenterEButton included).
    QWidget* panel(OptionPanel Which) const;
    BrushShapeEditor* BrusI() const { return m_brusI; }
    GradientBarPanel* GraP() const { return m_graP; }

    // Brush1Click: the preset Number (1 .. 6) becomes the brush shape.
    void Brush1Click(int Number);

signals:
    // Text for a status bar panel (the gradient bar's percentages go to 1).
    void readout(int Panel, const QString& Text);

private:
    QWidget* addPanel(OptionPanel Which, const char* Name);
    void buildEraser();
    void buildSpray();
    void buildBrush();
    void buildRect();
    void buildRound();
    void buildText();
    void buildFill(DrawingColourSource Colours);

    QWidget* m_ops;
    QBoxLayout* m_layout = nullptr;
    SessionTools& m_tools;
    std::map<OptionPanel, QWidget*> m_panels;
    BrushShapeEditor* m_brusI = nullptr;
    GradientBarPanel* m_graP = nullptr;
};

// A labelled edit with an up-down: the label above, the value below. The
// spin box is named after the up-down, the label after the edit.
QSpinBox* addUpDown(QBoxLayout* Row, const QString& Caption, const char* EditName,
                    const char* UpDownName, int Min, int Max, int Value, const QString& Hint = {});
