#pragma once

#include <memory>

#include <QString>

#include "explorer/store/engine/Recordset.h"

namespace store {

struct DatabaseState;
struct WorkspaceState;

// An open database file. Its last handle going away closes it, as Close does.
class Database {
public:
    Database() = default;

    // Runs an action statement; affecting no rows is no error. "INSERT INTO t IN "file"
    // SELECT ..." writes into another database file under that file's own lock, matching the
    // columns by name; when another database of the same workspace has that file open for
    // writing, through that one, inside the workspace's transaction.
    void Execute(const QString& statement);
    // The rows the last Execute affected.
    int RecordsAffected() const;
    // A SELECT statement or a table name.
    Recordset OpenRecordset(const QString& source);
    // Closes the database and its recordsets; what a transaction left uncommitted is rolled back.
    void Close();

    QString Name() const;
    bool Updatable() const;

private:
    friend class Workspace;
    explicit Database(std::shared_ptr<DatabaseState> state);
    static Database open(const std::shared_ptr<WorkspaceState>& workspace, const QString& path, bool exclusive,
                         bool readOnly);
    DatabaseState& state() const;

    std::shared_ptr<DatabaseState> m_state;
};

} // namespace store
