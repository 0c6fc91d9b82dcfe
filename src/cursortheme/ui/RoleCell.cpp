#include "cursortheme/ui/RoleCell.h"

#include "cursortheme/ui/CursorPicture.h"
#include "session/CursorThemeEditor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {
// The picture shown in a cell: the size nearest 48 among the theme's sizes.
std::uint32_t cellSize(const std::vector<std::uint32_t>& Sizes) {
    std::uint32_t best = Sizes.front();
    for (std::uint32_t s : Sizes)
        if (std::abs(int(s) - 48) < std::abs(int(best) - 48)) best = s;
    return best;
}
} // namespace

RoleCell::RoleCell(CursorThemeEditor& Editor, int Index, QWidget* Parent)
    : QFrame(Parent), m_editor(Editor), m_index(Index) {
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    const CursorRole& role = *m_editor.roleSlots()[std::size_t(Index)].Role;
    setToolTip(tr("%1 (%2)\nClick to choose its cursor, or drop a file here; right-click to "
                  "clear it.")
                   .arg(QString::fromStdString(role.Title), QString::fromStdString(role.mainName())));
}

QSize RoleCell::sizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 20, fontMetrics().height() * 3 + 56);
}

void RoleCell::paintEvent(QPaintEvent* Event) {
    QFrame::paintEvent(Event);
    QPainter p(this);
    const CursorThemeEditor::Slot& slot = m_editor.roleSlots()[std::size_t(m_index)];
    const QRect r = contentsRect().adjusted(4, 2, -4, -2);
    const int line = fontMetrics().height();
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(r.left(), r.top(), r.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(QString::fromStdString(slot.Role->Title), Qt::ElideRight,
                                        r.width()));
    p.setFont(font());
    const CursorRole* serving = m_editor.servingRole(m_index);
    QString note;
    if (!serving)
        note = tr("none");
    else if (serving != slot.Role)
        note = tr("as %1").arg(QString::fromStdString(serving->Title));
    else if (m_editor.frameCount(m_index) > 1)
        note = tr("%1 frames").arg(m_editor.frameCount(m_index));
    p.setPen(palette().color(QPalette::PlaceholderText));
    p.drawText(QRect(r.left(), r.top() + line, r.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(QString::fromStdString(slot.Role->mainName()),
                                        Qt::ElideRight, r.width()));
    p.drawText(QRect(r.left(), r.bottom() - line, r.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(note, Qt::ElideRight, r.width()));
    if (const auto image = m_editor.preview(m_index, cellSize(m_editor.sizes()))) {
        QImage picture = CursorPicture(*image);
        const int room = r.height() - 3 * line;
        if (picture.height() > room || picture.width() > r.width())
            picture = picture.scaled(r.width(), room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(QPoint(r.left(), r.top() + 2 * line + (room - picture.height()) / 2), picture);
    }
}

void RoleCell::mouseReleaseEvent(QMouseEvent* Event) {
    if (!rect().contains(Event->position().toPoint())) return;
    if (Event->button() == Qt::LeftButton) {
        if (m_editor.chooseFile(m_index)) emit changed();
    } else if (Event->button() == Qt::RightButton &&
               !m_editor.roleSlots()[std::size_t(m_index)].Cursor.Images.empty()) {
        QMenu menu(this);
        QAction* clear = menu.addAction(tr("Clear"));
        if (menu.exec(Event->globalPosition().toPoint()) == clear) {
            m_editor.clearSlot(m_index);
            emit changed();
        }
    }
}

void RoleCell::dragEnterEvent(QDragEnterEvent* Event) {
    const QList<QUrl> urls = Event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()) Event->acceptProposedAction();
}

void RoleCell::dropEvent(QDropEvent* Event) {
    const QList<QUrl> urls = Event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    Event->acceptProposedAction();
    if (m_editor.assignFile(m_index, urls.front().toLocalFile())) emit changed();
}
