#include "app/ui/RecentMenu.h"

#include "app/RecentIcon.h"
#include "app/ui/MainCommands.h"
#include "app/ui/MenuImageList.h"
#include "session/RecentOpening.h"

#include <QAction>
#include <QFileInfo>

namespace {

// The image list shows its magenta as the background.
QImage withClearBackground(const QImage& Icon) {
    QImage out = Icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (row[x] == RecentIconBackground) row[x] = 0;
    }
    return out;
}

} // namespace

RecentMenu::RecentMenu(MainCommands& Commands, MenuImageList& Images, RecentOpening& Session,
                       RecentFiles::StoreOpener OpenStore, QObject* Parent)
    : QObject(Parent), m_commands(Commands), m_images(Images), m_session(Session),
      m_recent(std::move(OpenStore), &m_desktop) {
    m_session.setRecentFiles(&m_recent);
}

RecentMenu::~RecentMenu() {
    m_session.setRecentFiles(nullptr);
}

QString RecentMenu::pathOf(const QAction* Item) {
    return Item->statusTip();
}

void RecentMenu::RefreshRecentMenu() {
    const std::optional<RecentFiles::Slots> stored = m_recent.read();
    if (!stored) return;
    const QList<QAction*> items = m_commands.recentItems();
    for (int k = 0; k < RecentFiles::Count; ++k) {
        QAction* item = items[k];
        const std::optional<QString>& path = (*stored)[std::size_t(k)];
        item->setVisible(path.has_value());
        if (path) item->setStatusTip(*path);
        // An ampersand in a file name is shown, not taken for an access key.
        QString name = QFileInfo(pathOf(item)).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 ").arg(k + 1) + name);
    }
    m_commands.action(QStringLiteral("N2"))->setVisible(
        m_commands.action(QStringLiteral("Recent1"))->isVisible());
    for (QAction* item : items)
        MakeRecentIcon(item);
}

void RecentMenu::MakeRecentIcon(QAction* Item) {
    const int slot = MenuImageList::FirstRecent + int(m_commands.recentItems().indexOf(Item));
    const QImage icon = ::MakeRecentIcon(pathOf(Item), m_session.transparency());
    if (!icon.isNull()) m_images.setImage(slot, withClearBackground(icon));
    Item->setIcon(m_images.icon(slot));
}

void RecentMenu::Recent4Click(QAction* Sender) {
    m_session.OpenAExecute(true, pathOf(Sender));
}
