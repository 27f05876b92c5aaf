#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqliteConnection.h"

namespace store {

struct WorkspaceState;
struct RecordsetState;

// What the handles of one open database share. The lock outlives the connection.
struct DatabaseState {
    DatabaseState() = default;
    DatabaseState(const DatabaseState&) = delete;
    DatabaseState& operator=(const DatabaseState&) = delete;
    ~DatabaseState();

    // Hands the connection to the engine to keep, then releases the lock.
    void close();

    std::shared_ptr<WorkspaceState> workspace;
    QString name; // the Windows path, with its extension
    QString hostPath;
    bool readOnly = false;
    FileLock lock;
    SqliteConnection connection;
    int recordsAffected = 0;
    std::vector<std::weak_ptr<RecordsetState>> recordsets;
};

} // namespace store
