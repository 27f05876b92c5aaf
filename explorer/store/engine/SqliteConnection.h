#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/SqliteStatement.h"
#include "explorer/store/engine/StatementCache.h"
#include "platform/RuntimeError.h"

struct sqlite3;

namespace store {

// One SQLite connection on a database file, closed with its owner. Opening checks that the file
// is a database and keeps it in rollback-journal mode.
class SqliteConnection {
public:
    SqliteConnection() = default;
    // displayPath is the file's Windows form, for the errors. A read-only connection refuses
    // every change to its own file (SQLite's authorizer) but may write into a file attached
    // to it.
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

    // Rolls back what is not committed; true when the connection is then idle, holding no lock,
    // statement, attached file or write-ahead log, so that it can be kept for another open.
    bool becomeIdle();
    // Makes an idle connection on hostPath serve an open as open would make it; false when the
    // file is no longer one it may open.
    bool reuse(const QString& hostPath, bool readOnly, const QString& displayPath);
    // As reuse, for a file unchanged since the connection last found it a database it may open.
    void reuseUnchanged(bool readOnly, const QString& displayPath);

    // Runs statements of the engine's own (transactions, pragmas).
    void execute(const QString& sql);
    // A statement prepared for sql, or the one prepared for it before and kept in the
    // connection's cache since.
    SqliteStatement prepare(const QString& sql, const QString& callerText) const;
    // The statement, or nothing when sql does not prepare; raises nothing.
    std::optional<SqliteStatement> tryPrepare(const QString& sql, const QString& callerText) const;

    // Attaches another database file under schema, checked as open checks its own file.
    void attach(const QString& hostPath, const QString& schema, const QString& displayPath);
    void detach(const QString& schema);
    // As attach, but leaves attached a file that keepAttached kept under schema, when it is at
    // hostPath still and unchanged since: now is how the file at hostPath stands.
    void attachKept(const QString& hostPath, const FileState& now, const QString& schema, const QString& displayPath);
    // Keeps the file attached under schema, as it now stands, for the next attachKept.
    void keepAttached(const QString& hostPath, const QString& schema);
    // As prepare, for a statement that may read only this connection's own file: a kept
    // attachment is not read, and is detached when the statement does not prepare without it.
    SqliteStatement prepareOnOwnFile(const QString& sql, const QString& callerText);

    // Whether the table exists in schema and, when column is not null, has that column (names
    // compared ignoring case).
    bool hasColumn(const char* schema, const QByteArray& table, const char* column) const;
    int changes() const;
    qint64 lastInsertRowid() const;
    bool inTransaction() const;

    platform::RuntimeError error(int resultCode, const QString& callerText) const;

private:
    SqliteConnection(sqlite3* database, QString displayPath);
    // The statement prepared for sql under the current authorizer, or its error code.
    int prepareStatement(const QString& sql, KeptStatement& statement) const;
    SqliteStatement lent(KeptStatement statement, const QString& sql, const QString& callerText) const;
    static SqliteConnection openWithFlags(const QString& hostPath, int flags, const QString& displayPath);
    // Rolls back what a writer cut short left in its journal, then refuses a file that is no
    // database and keeps a database in rollback-journal mode.
    void checkFile(const QString& hostPath, const QString& schema, bool readOnly, const QString& displayPath);

    struct KeptAttachment {
        QString hostPath;
        QString schema;
        FileState file;
    };

    sqlite3* m_database = nullptr;
    std::shared_ptr<StatementCache> m_statements;
    // What the authorizer refuses now, in flags; a kept statement serves only under the flags it
    // was prepared under.
    std::unique_ptr<int> m_refused;
    QString m_displayPath;
    bool m_readOnly = false;
    bool m_writeAheadLog = false;
    std::optional<KeptAttachment> m_kept;
};

} // namespace store
