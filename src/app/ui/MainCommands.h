#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;

// The main window's commands as built from the command table: each action and
// menu by its component name (the File menu's "New" is "NewA"; each also
// carries that name as objectName), every command in menu order, and the
// groups some code walks through.
class MainCommands {
public:
    // The action or menu of a row of the table; null for a name it lacks.
    QAction* action(const QString& Name) const { return m_actions.value(Name); }
    QMenu* menu(const QString& Name) const { return m_menus.value(Name); }
    // Every command (not the menus or separators), in menu order.
    const QList<QAction*>& all() const { return m_all; }
    // The five colour-format choices, 1, 4, 8, 24 and 32 bits in that order,
    // and the group that keeps one of them checked.
    const QList<QAction*>& formatItems() const { return m_formats; }
    QActionGroup* formatGroup() const { return m_formatGroup; }
    // The four recent-file entries of the File menu.
    QList<QAction*> recentItems() const;

    void addAction(const QString& Name, QAction* Action, bool IsCommand);
    void addMenu(const QString& Name, QMenu* Menu) { m_menus.insert(Name, Menu); }
    void addFormat(QAction* Action) { m_formats.append(Action); }
    void setFormatGroup(QActionGroup* Group) { m_formatGroup = Group; }

private:
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QList<QAction*> m_all;
    QList<QAction*> m_formats;
    QActionGroup* m_formatGroup = nullptr;
};
