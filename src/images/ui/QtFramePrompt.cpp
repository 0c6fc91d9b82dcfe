#include "images/ui/QtFramePrompt.h"

#include "document/IconDocument.h"
#include "images/ui/SequenceDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>

std::optional<std::uint32_t> QtFramePrompt::askRate(std::uint32_t Current) {
    bool ok = false;
    const int rate = QInputDialog::getInt(
        m_parent, QObject::tr("Rate"), QObject::tr("Show the selected frames for (1/60 s):"),
        int(std::max<std::uint32_t>(Current, 1)), 1, 1000000, 1, &ok);
    if (!ok) return std::nullopt;
    return std::uint32_t(rate);
}

std::optional<std::vector<FrameStep>> QtFramePrompt::askSequence(const IconDocument& Document) {
    SequenceDialog dialog(m_parent);
    std::vector<std::uint32_t> rates;
    for (int f = 0; f < Document.FrameCount(); ++f)
        rates.push_back(Document.frameRate(f));
    dialog.load(Document.FrameCount(), rates, Document.Sequence);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.steps();
}

std::optional<FramePrompt::Texts> QtFramePrompt::askProperties(const Texts& Current) {
    QDialog dialog(m_parent);
    dialog.setObjectName(QStringLiteral("PropertiesDialog"));
    dialog.setWindowTitle(QObject::tr("Properties"));
    auto* form = new QFormLayout(&dialog);
    auto* title = new QLineEdit(Current.Title, &dialog);
    auto* author = new QLineEdit(Current.Author, &dialog);
    title->setMinimumWidth(240);
    form->addRow(QObject::tr("&Title:"), title);
    form->addRow(QObject::tr("&Author:"), author);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(box);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Texts{title->text(), author->text()};
}
