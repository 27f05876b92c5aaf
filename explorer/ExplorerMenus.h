#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace explorer {

// The main window's menus: the menu bar (File, Modifica, Schede) and the three pop-up menus of
// the lists (LVDBMnuNoOver, LVDBMnuOver, MnuLWModelli), which never appear in the menu bar.
// Every entry is a QAction whose objectName is the entry's name; a submenu's entry is its menu
// action. Entries and submenus have no command here: the window connects them.
class ExplorerMenus {
public:
    explicit ExplorerMenus(QMainWindow& window);

    // The entry of that name, or nullptr.
    QAction* entry(const QString& name) const { return m_entries.value(name); }
    QMenu* LVDBMnuNoOver() const { return m_archiveMenu; }
    QMenu* LVDBMnuOver() const { return m_archiveItemMenu; }
    QMenu* MnuLWModelli() const { return m_cardMenu; }

    // An entry's caption without the key shown beside it.
    static QString caption(const QAction& entry);

private:
    void buildMenuBar(QMainWindow& window);
    void buildArchiveMenus(QMainWindow& window);
    void buildCardMenu(QMainWindow& window);

    QMenu* menu(QWidget* parent, const QString& name, const QString& caption);
    QMenu* submenu(QMenu& parent, const QString& name, const QString& caption);
    QAction* add(QMenu& menu, const QString& name, const QString& caption);
    QAction* separator(QMenu& menu, const QString& name);

    QHash<QString, QAction*> m_entries;
    QMenu* m_archiveMenu = nullptr;
    QMenu* m_archiveItemMenu = nullptr;
    QMenu* m_cardMenu = nullptr;
};

} // namespace explorer
