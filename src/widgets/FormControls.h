#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QWidget;

// The small controls the fixed dialogs place by hand.

// A label at (X, Y), as wide as its text.
QLabel* placeLabel(QWidget* Parent, const QString& Name, const QString& Text, int X, int Y);

// A number edit with its up-down arrows (one control here) at Place.
QSpinBox* numberEdit(QWidget* Parent, const char* Name, QRect Place, int Min, int Max, int Value);

// A radio group: a titled box at Place holding one radio button per item
// (named Name0, Name1, ...) with Checked chosen. Tab reaches the chosen item
// and the arrow keys choose another.
struct RadioGroup {
    QGroupBox* Box = nullptr;
    QButtonGroup* Buttons = nullptr;
};
RadioGroup makeRadioGroup(QWidget* Parent, const char* Name, const QString& Title, QRect Place,
                          const QStringList& Items, int Checked);

// The size row of the New Icon and Resize Icon dialogs: "Size:" over the
// list of Items (SizeC, Index chosen), and "Width:" and "Height:" over their
// edits (WidthE, HeightE, Min..Max, starting at 32 and disabled until the
// custom size is chosen).
struct SizeControls {
    QComboBox* Size = nullptr;
    QSpinBox* Width = nullptr;
    QSpinBox* Height = nullptr;
};
SizeControls placeSizeControls(QWidget* Parent, const QStringList& Items, int Index, int Min,
                               int Max);
