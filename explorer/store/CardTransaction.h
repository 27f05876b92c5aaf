#pragma once

#include <QString>

#include "explorer/store/engine/Database.h"
#include "explorer/store/engine/Workspace.h"

namespace store {

// The statements of one card on one archive as one transaction of that archive, committed when
// the card is done: a kill, a crash or a power cut leaves the card whole or as it was. Each
// statement still reports its own errors as EseguiSql and CopyTable do, and an Ignore goes on
// with the next one. When the archive cannot be opened beforehand, each statement opens it
// itself, as it would alone, and reports why it cannot.
class CardTransaction {
public:
    explicit CardTransaction(QString archivePath);
    // Rolls back what was not committed.
    ~CardTransaction();
    CardTransaction(const CardTransaction&) = delete;
    CardTransaction& operator=(const CardTransaction&) = delete;

    // Removes the card's rows, table by table, through EseguiSql.
    void deleteCard(const QString& key);
    // Copies the card's rows from the source archive, table by table, through CopyTable; true
    // when every table arrived whole.
    bool copyCard(const QString& sourcePath, const QString& key);
    // Errors go to the error dialog under procedureName; false when the card's statements were
    // given up and rolled back.
    bool commit(const QString& procedureName);

private:
    void close();

    QString m_archivePath;
    Workspace m_workspace;
    Database m_database;
    bool m_open = false;
};

} // namespace store
