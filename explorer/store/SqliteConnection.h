#pragma once

#include "explorer/store/SqliteStatement.h"
#include "platform/RuntimeError.h"

#include <QString>
#include <optional>

struct sqlite3;

namespace store {

// One SQLite connection on a database file, closed with its owner. Opening checks that the file
// is a database and keeps it in rollback-journal mode.
class SqliteConnection {
public:
    SqliteConnection() = default;
    // displayPath is the file's Windows form, for the errors.
    static SqliteConnection open(const QString& hostPath, bool readOnly, const QString& displayPath);
    // A new, empty database file (the caller makes sure that nothing is at hostPath).
    static SqliteConnection create(const QString& hostPath, const QString& displayPath);

    SqliteConnection(SqliteConnection&& other) noexcept;
    SqliteConnection& operator=(SqliteConnection&& other) noexcept;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;
    ~SqliteConnection();

    bool isOpen() const { return m_database != nullptr; }
    void close(); // rolls back what is not committed

    // Runs statements of the engine's own (transactions, pragmas).
    void execute(const QString& sql);
    SqliteStatement prepare(const QString& sql, const QString& callerText) const;
    // The statement, or nothing when sql does not prepare; raises nothing.
    std::optional<SqliteStatement> tryPrepare(const QString& sql, const QString& callerText) const;

    int changes() const;
    qint64 lastInsertRowid() const;
    bool inTransaction() const;

    platform::RuntimeError error(int resultCode, const QString& callerText) const;

private:
    SqliteConnection(sqlite3* database, QString displayPath);
    static SqliteConnection openWithFlags(const QString& hostPath, int flags, const QString& displayPath);
    void prepareForUse(bool readOnly);

    sqlite3* m_database = nullptr;
    QString m_displayPath;
};

} // namespace store
