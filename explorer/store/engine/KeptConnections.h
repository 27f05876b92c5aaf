#pragma once

#include <list>
#include <mutex>
#include <optional>

#include <QString>

#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqliteConnection.h"

namespace store {

// The SQLite connections the engine keeps after their databases are closed, so that the next
// open of the same file finds its schema read and its pages in memory. Callers see nothing of
// it: each open still takes the file's lock and each close releases it; a kept connection holds
// no SQLite lock and no share lock, so it counts for no open file; it is handed out again only
// for the same host path, the same file (not one that replaced, or was renamed over, the one it
// was opened on) and a file unchanged since it was kept (by size and change time; SQLite itself
// sees what other connections committed). Only a few are kept, the least recently kept going
// first.
class KeptConnections {
public:
    static KeptConnections& instance();

    // A connection on the file at hostPath, which the caller holds locked and which stood as
    // locked when it was locked: a kept one when there is one fit for it, else a new one.
    // readOnly and displayPath as for SqliteConnection::open.
    SqliteConnection take(const QString& hostPath, const FileState& locked, bool readOnly, const QString& displayPath);
    // Keeps a connection on the file at hostPath, which the caller still holds locked as
    // identity; what it has not committed is rolled back. One that cannot be kept idle (a
    // statement still open, another file attached, a write-ahead log) is closed. A connection
    // that changed nothing may be kept with the state its take found, unchanged: anyone's
    // writing since makes the file compare different, and the connection goes at the next take.
    void keep(SqliteConnection connection, const QString& hostPath, const FileIdentity& identity,
              const std::optional<FileState>& unchangedSince = std::nullopt);
    // Closes every kept connection.
    void clear();

    // No more connections than this are kept.
    static constexpr std::size_t bound = 8;

private:
    struct Kept {
        QString hostPath;
        FileState file;
        bool checked; // whether the connection found the file a database as it stands in file
        SqliteConnection connection;
    };

    KeptConnections() = default;

    std::mutex m_mutex;
    std::list<Kept> m_kept; // the most recently kept first
};

} // namespace store
