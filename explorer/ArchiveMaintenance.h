#pragma once

#include <QString>

class QListWidgetItem;

namespace explorer {

class FrmExplorer;

// Keeps the archives of the card archive folder in order from the main window: a new empty
// archive and the compactions through the database utility Dbrefit beside the program, deleting
// archives, deleting the selected cards of the open archive, and renaming an archive in place.
class ArchiveMaintenance {
public:
    explicit ArchiveMaintenance(FrmExplorer& window);

    void MnuNuovoArchivioSchede();
    void MnuDBCompatta();
    void MnuDBCompattaTutti();
    void MnuDBElimina();
    void MnuEliminaScheda(bool ask);
    // The archive list's label edit of item ended with newName: true when the typed label stays,
    // false when the edit is cancelled (the item keeps its old label).
    bool LVDB_AfterLabelEdit(QListWidgetItem* item, const QString& newName);

private:
    // The window's name, "_" and the procedure: the name the error dialog shows.
    QString procedureName(const QString& procedure) const;
    // Gives the item of the current archive icon 2 again after a refill.
    void markOpenArchive();

    FrmExplorer& m_window;
};

} // namespace explorer
