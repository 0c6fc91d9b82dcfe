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
// The picture shown in a cell: the theme's size nearest the cell's square.
std::uint32_t cellSize(const std::vector<std::uint32_t>& Sizes, int Side) {
    std::uint32_t best = Sizes.front();
    for (std::uint32_t s : Sizes)
        if (std::abs(int(s) - Side) < std::abs(int(best) - Side)) best = s;
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

// The cursor sits left of the three lines of text, in a square as tall as
// they are and never smaller than a cursor at its usual 32 pixels, so a
// crowded window shrinks the text before the picture.
int RoleCell::pictureSide() const { return std::max(32, fontMetrics().height() * 3); }

QSize RoleCell::sizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 20 + pictureSide() + 14,
                 pictureSide() + 2 * frameWidth() + 6);
}

QSize RoleCell::minimumSizeHint() const {
    return QSize(pictureSide() + fontMetrics().averageCharWidth() * 8 + 14, sizeHint().height());
}

void RoleCell::paintEvent(QPaintEvent* Event) {
    QFrame::paintEvent(Event);
    QPainter p(this);
    const CursorThemeEditor::Slot& slot = m_editor.roleSlots()[std::size_t(m_index)];
    const QRect all = contentsRect().adjusted(4, 3, -4, -3);
    const int side = pictureSide();
    const QRect box(all.left(), all.top() + (all.height() - side) / 2, side, side);
    const QRect r = all.adjusted(side + 6, 0, 0, 0);
    const int line = fontMetrics().height();
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(r.left(), r.top(), r.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(QString::fromStdString(slot.Role->Title),
                                             Qt::ElideRight, r.width()));
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
    p.drawText(QRect(r.left(), r.top() + 2 * line, r.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(note, Qt::ElideRight, r.width()));
    if (const auto image = m_editor.preview(m_index, cellSize(m_editor.sizes(), side))) {
        QImage picture = CursorPicture(*image);
        if (picture.height() > side || picture.width() > side)
            picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(box.center() - QPoint(picture.width() / 2, picture.height() / 2), picture);
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
