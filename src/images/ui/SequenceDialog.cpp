#include "images/ui/SequenceDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QSpinBox* spin(int Low, int High, int Value) {
    auto* s = new QSpinBox;
    s->setRange(Low, High);
    s->setValue(Value);
    return s;
}

} // namespace

SequenceDialog::SequenceDialog(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("SequenceDialog"));
    setWindowTitle(tr("Sequence"));
    auto* layout = new QVBoxLayout(this);
    m_inOrder = new QCheckBox(tr("&Play in order"), this);
    m_inOrder->setObjectName(QStringLiteral("InOrderBox"));
    layout->addWidget(m_inOrder);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("StepsTable"));
    m_table->setHorizontalHeaderLabels({tr("Frame"), tr("Rate (1/60 s)")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for a dozen steps: sequences of that length are common.
    m_table->setMinimumSize(280, 340);
    layout->addWidget(m_table, 1);

    auto* row = new QHBoxLayout;
    const struct {
        const char* Name;
        QString Text;
        void (SequenceDialog::*Run)();
    } buttons[] = {{"AddStepB", tr("&Add"), &SequenceDialog::addStep},
                   {"RemoveStepB", tr("&Remove"), &SequenceDialog::removeStep}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(b.Name));
        button->setText(b.Text);
        connect(button, &QToolButton::clicked, this, b.Run);
        row->addWidget(button);
        m_stepButtons.push_back(button);
    }
    for (int by : {-1, 1}) {
        auto* button = new QToolButton(this);
        button->setObjectName(by < 0 ? QStringLiteral("StepUpB") : QStringLiteral("StepDownB"));
        button->setText(by < 0 ? tr("&Up") : tr("&Down"));
        connect(button, &QToolButton::clicked, this, [this, by] { moveStep(by); });
        row->addWidget(button);
        m_stepButtons.push_back(button);
    }
    row->addStretch(1);
    layout->addLayout(row);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    connect(m_inOrder, &QCheckBox::toggled, this, &SequenceDialog::followInOrder);
}

void SequenceDialog::setRow(int Row, const FrameStep& Step) {
    m_table->setCellWidget(Row, 0, spin(1, m_frameCount, Step.Frame + 1));
    m_table->setCellWidget(Row, 1, spin(0, 1000000, int(Step.Rate)));
}

void SequenceDialog::load(int FrameCount, const std::vector<std::uint32_t>& FrameRates,
                          const std::vector<FrameStep>& Steps) {
    m_frameCount = std::max(1, FrameCount);
    m_rates = FrameRates;
    std::vector<FrameStep> shown = Steps;
    if (shown.empty())
        for (int f = 0; f < FrameCount; ++f)
            shown.push_back({f, f < int(FrameRates.size()) ? FrameRates[std::size_t(f)] : 6u});
    m_table->setRowCount(int(shown.size()));
    for (int r = 0; r < int(shown.size()); ++r)
        setRow(r, shown[std::size_t(r)]);
    m_inOrder->setChecked(Steps.empty());
    followInOrder();
}

void SequenceDialog::followInOrder() {
    const bool editable = !m_inOrder->isChecked();
    m_table->setEnabled(editable);
    for (QToolButton* b : m_stepButtons)
        b->setEnabled(editable);
}

std::vector<FrameStep> SequenceDialog::steps() const {
    if (m_inOrder->isChecked()) return {};
    std::vector<FrameStep> steps;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const auto* frame = qobject_cast<QSpinBox*>(m_table->cellWidget(r, 0));
        const auto* rate = qobject_cast<QSpinBox*>(m_table->cellWidget(r, 1));
        steps.push_back({frame->value() - 1, std::uint32_t(rate->value())});
    }
    return steps;
}

void SequenceDialog::addStep() {
    // A new step after the selected one shows the frame after that step's.
    const int at = m_table->currentRow() + 1;
    const std::vector<FrameStep> now = [this] {
        std::vector<FrameStep> s;
        for (int r = 0; r < m_table->rowCount(); ++r)
            s.push_back(
                {qobject_cast<QSpinBox*>(m_table->cellWidget(r, 0))->value() - 1,
                 std::uint32_t(qobject_cast<QSpinBox*>(m_table->cellWidget(r, 1))->value())});
        return s;
    }();
    const int frame = at > 0 ? (now[std::size_t(at - 1)].Frame + 1) % m_frameCount : 0;
    const std::uint32_t rate =
        frame < int(m_rates.size()) ? m_rates[std::size_t(frame)] : DefaultFrameRate;
    m_table->insertRow(at);
    setRow(at, {frame, rate});
    m_table->setCurrentCell(at, 0);
}

void SequenceDialog::removeStep() {
    const int r = m_table->currentRow();
    if (r < 0 || m_table->rowCount() <= 1) return;
    m_table->removeRow(r);
}

void SequenceDialog::moveStep(int By) {
    const int r = m_table->currentRow();
    const int to = r + By;
    if (r < 0 || to < 0 || to >= m_table->rowCount()) return;
    std::vector<FrameStep> s = steps();
    if (s.empty()) return;
    std::swap(s[std::size_t(r)], s[std::size_t(to)]);
    setRow(r, s[std::size_t(r)]);
    setRow(to, s[std::size_t(to)]);
    m_table->setCurrentCell(to, 0);
}
