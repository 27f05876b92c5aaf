#pragma once

#include <optional>

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "tests/support/CardArchives.h"
#include "tests/support/ExplorerWorkstation.h"
#include "tests/support/LockHolder.h"

class QAction;
class QListWidgetItem;

namespace explorer {
class FrmExplorer;
}

// Another process holding a card archive open until it is destroyed.
using ArchiveHolder = LockHolder;

// A window test's world: an explorer workstation (its card archive folder C:\Schede\), card
// archives made in it, and the explorer's main window on the offscreen platform.
class WindowWorld {
public:
    using Card = CardArchives::Card;

    WindowWorld();
    ~WindowWorld();
    WindowWorld(const WindowWorld&) = delete;
    WindowWorld& operator=(const WindowWorld&) = delete;

    static inline const QString& folder = ExplorerWorkstation::archiveFolder; // "C:\Schede\"
    static QString archivePath(const QString& name) { return folder + name + QStringLiteral(".mdb"); }
    static QString hostPath(const QString& windowsPath) { return TestWorkstation::hostPath(windowsPath); }

    // A card archive C:\Schede\<fileName> holding these cards (fileName with extension).
    static void makeArchive(const QString& fileName, const QList<Card>& cards = {})
    {
        CardArchives::createFile(fileName, cards);
    }
    // Cards with these keys and descriptions made from the key.
    static void makeArchiveWithKeys(const QString& name, const QStringList& keys)
    {
        CardArchives::createWithKeys(name, keys);
    }
    static Card card(const QString& key) { return CardArchives::card(key); }

    // Builds and shows the main window, as start-up does.
    explicit operator bool() const { return !m_window.isNull(); }
    explorer::FrmExplorer& openWindow();
    explorer::FrmExplorer& window() const { return *m_window; }

    // Selects the archive item and double-clicks it.
    void openArchive(const QString& name);
    QStringList archiveNames() const;
    // The card list's rows: the texts of the given column.
    QStringList column(int column = 0) const;
    QAction* entry(const QString& name) const;
    QListWidgetItem* archiveItem(const QString& name) const;

    ExplorerWorkstation station;

private:
    QPointer<explorer::FrmExplorer> m_window;
};
