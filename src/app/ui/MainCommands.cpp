#include "app/ui/MainCommands.h"

QList<QAction*> MainCommands::recentItems() const {
    return {action(QStringLiteral("Recent1")), action(QStringLiteral("Recent2")),
            action(QStringLiteral("Recent3")), action(QStringLiteral("Recent4"))};
}

void MainCommands::addAction(const QString& Name, QAction* Action, bool IsCommand) {
    if (!Name.isEmpty()) m_actions.insert(Name, Action);
    if (IsCommand) m_all.append(Action);
}
