#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "explorer/ArchiveMaintenance.h"

class QListWidgetItem;

namespace explorer {

class FrmExplorer;

// What the main window's menus, toolbar, keys and mouse buttons do: each entry is connected to
// its command here.
class ExplorerCommands : public QObject {
    Q_OBJECT

public:
    explicit ExplorerCommands(FrmExplorer& window);

    ArchiveMaintenance& maintenance() { return m_maintenance; }

    // A toolbar button's click, dispatched on its key; "SelezionaTutti" selects all cards too.
    void MainToolBar_ButtonClick(const QString& key);

    void MnuEsci();
    void MnuConfigurazione();
    void selectAllCards();
    // Delete by focus: the card list deletes cards, the archive list archives, any other nothing.
    void MnuModifica_Elimina();
    void deleteFromToolBar();
    void MnuImportaScheda();
    void MnuLWEsporta();
    void MnuLWImporta();
    void MnuLWModelliTaglia();
    void MnuLWModelliCopia();
    void MnuDBIncolla();
    // F5: the archive list read again, the open archive and the selection kept.
    void MnuDBAggiorna();

    void LVDB_MouseUp(Qt::MouseButton button, const QPoint& viewportPosition, const QPoint& globalPosition);
    void LWModelli_MouseUp(Qt::MouseButton button, const QPoint& globalPosition, bool rowUnderPointer);
    // Shift+F10 and the Menu key: the list's pop-up menu at its selected item, as a right click
    // on that item opens it.
    void archiveMenuFromKeyboard();
    void cardMenuFromKeyboard();

private:
    void connectMenus();
    void connectLists();
    void on(const char* entryName, void (ExplorerCommands::*command)());
    QString activeControlName() const;
    void showArchiveMenu(QListWidgetItem* item, const QPoint& globalPosition);
    void showCardMenu(const QPoint& globalPosition);

    FrmExplorer& m_window;
    ArchiveMaintenance m_maintenance;
};

} // namespace explorer
