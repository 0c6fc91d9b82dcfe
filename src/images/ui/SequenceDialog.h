#pragma once

#include "document/IconFrame.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QTableWidget;
class QToolButton;

// The "Sequence" dialog: the steps of the animation, each the frame it
// shows (from 1) and its rate in jiffies. "Play in order" (the default)
// plays every frame once, in order, at its own rate; clearing it lets the
// steps be edited, starting from the frames in order.
class SequenceDialog : public QDialog {
    Q_OBJECT
public:
    explicit SequenceDialog(QWidget* Parent = nullptr);

    // Fills the dialog for FrameCount frames from Steps (empty: in order)
    // and the frames' rates.
    void load(int FrameCount, const std::vector<std::uint32_t>& FrameRates,
              const std::vector<FrameStep>& Steps);
    // The steps as edited; empty when "Play in order" is checked.
    std::vector<FrameStep> steps() const;

    QCheckBox* inOrderBox() const { return m_inOrder; }
    QTableWidget* table() const { return m_table; }
    void addStep();
    void removeStep();
    void moveStep(int By);

private:
    void setRow(int Row, const FrameStep& Step);
    void followInOrder();

    QCheckBox* m_inOrder = nullptr;
    QTableWidget* m_table = nullptr;
    std::vector<QToolButton*> m_stepButtons;
    int m_frameCount = 1;
    std::vector<std::uint32_t> m_rates;
};
