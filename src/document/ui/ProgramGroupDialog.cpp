#include "document/ui/ProgramGroupDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Every picture on a square of the same size, so the grid stays even and a
// small icon is shown at its own size rather than blown up.
QIcon iconOf(const QImage& Picture) {
    QPixmap square(ProgramGroupPictureSide, ProgramGroupPictureSide);
    square.fill(Qt::transparent);
    if (!Picture.isNull()) {
        QPainter p(&square);
        p.drawImage((square.width() - Picture.width()) / 2,
                    (square.height() - Picture.height()) / 2, Picture);
    }
    return QIcon(square);
}

} // namespace

ProgramGroupDialog::ProgramGroupDialog(const QString& Program,
                                       const std::vector<ProgramGroup>& Groups, QWidget* Parent)
    : QDialog(Parent) {
    setWindowTitle(tr("Open from Program"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(
        tr("Choose an icon or cursor of \"%1\":").arg(QFileInfo(Program).fileName()), this);
    layout->addWidget(caption);

    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(ProgramGroupPictureSide, ProgramGroupPictureSide));
    m_list->setGridSize(QSize(ProgramGroupPictureSide + 76, ProgramGroupPictureSide + 44));
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setUniformItemSizes(true);
    m_list->setWordWrap(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const ProgramGroup& g : Groups) {
        // Two short lines fit the grid: the name, then the kind and count.
        QString count = g.ImageCount == 1 ? tr("1 image") : tr("%1 images").arg(g.ImageCount);
        if (g.FileType == IconFile::TypeCursor) count = tr("cursor, %1").arg(count);
        auto* item =
            new QListWidgetItem(iconOf(g.Picture), g.Label + QLatin1Char('\n') + count, m_list);
        item->setToolTip(g.Sizes);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    layout->addWidget(m_list, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(chosen() >= 0); });
    if (m_list->count() > 0) m_list->setCurrentRow(0);
    m_ok->setEnabled(chosen() >= 0);
    resize(680, 480);
}

int ProgramGroupDialog::chosen() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.constFirst());
}
