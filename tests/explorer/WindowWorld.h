#pragma once

#include "ExplorerWorkstation.h"

#include <QList>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

class QAction;
class QListWidgetItem;
class QTreeWidget;

namespace explorer {
class FrmExplorer;
}

// Another process holding a card archive open (store_lock_holder, built beside the tests) until
// it is destroyed.
class ArchiveHolder {
public:
    // mode: "shared" or "exclusive".
    ArchiveHolder(const QString& windowsPath, const QString& mode);
    ~ArchiveHolder();
    ArchiveHolder(const ArchiveHolder&) = delete;
    ArchiveHolder& operator=(const ArchiveHolder&) = delete;

    // "open" once the archive is open, "error N" when the open failed.
    QString status() const { return m_status; }

private:
    QProcess m_process;
    QString m_status;
};

// A window test's world: a fresh workstation whose card archive folder is C:\Schede\, card
// archives made in it, and the explorer's main window on the offscreen platform.
class WindowWorld {
public:
    struct Card {
        QString key;
        // DescCollezione, DescVariante, DescCapo, TagliaBase, GammaTaglie; nullopt stores Null.
        QList<std::optional<QString>> fields;
    };

    WindowWorld();
    ~WindowWorld();
    WindowWorld(const WindowWorld&) = delete;
    WindowWorld& operator=(const WindowWorld&) = delete;

    static const QString folder; // "C:\Schede\"
    static QString archivePath(const QString& name) { return folder + name + QStringLiteral(".mdb"); }
    static QString hostPath(const QString& windowsPath);

    // An empty card archive C:\Schede\<fileName> holding these cards (fileName with extension).
    void makeArchive(const QString& fileName, const QList<Card>& cards = {}) const;
    // Cards with these keys and descriptions made from the key.
    void makeArchiveWithKeys(const QString& name, const QStringList& keys) const;
    static Card card(const QString& key);

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
