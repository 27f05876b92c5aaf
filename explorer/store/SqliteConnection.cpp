#include "explorer/store/SqliteConnection.h"

#include "explorer/store/EngineError.h"
#include "explorer/store/LikePattern.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <utility>

namespace store {

namespace {

// Another connection of this suite writing the same file waits this long before the write fails.
const int busyTimeoutMilliseconds = 5000;

QString argumentText(sqlite3_value* value)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value));
}

// "text LIKE pattern" calls like(pattern, text); true is -1 as everywhere in the engine.
void likeFunction(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, LikePattern::matches(argumentText(arguments[1]), argumentText(arguments[0])) ? -1 : 0);
}

} // namespace

SqliteConnection::SqliteConnection(sqlite3* database, QString displayPath)
    : m_database(database), m_displayPath(std::move(displayPath))
{
}

SqliteConnection SqliteConnection::openWithFlags(const QString& hostPath, int flags, const QString& displayPath)
{
    sqlite3* database = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &database, flags | SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    SqliteConnection connection(database, displayPath);
    if (result != SQLITE_OK)
        throw connection.error(result, QString());
    sqlite3_extended_result_codes(database, 1);
    sqlite3_busy_timeout(database, busyTimeoutMilliseconds);
    sqlite3_create_function_v2(database, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction, nullptr,
                               nullptr, nullptr);
    return connection;
}

SqliteConnection SqliteConnection::open(const QString& hostPath, bool readOnly, const QString& displayPath)
{
    // SQLite takes an empty file for an empty database; the engine does not.
    if (QFileInfo(hostPath).size() == 0)
        throw engineError::unrecognizedFormat(displayPath);
    // A write cut short leaves its journal behind, and only a writer can roll it back: a
    // read-only open would fail on it, or read the half-written pages.
    if (readOnly && QFileInfo::exists(hostPath + QStringLiteral("-journal"))) {
        try {
            openWithFlags(hostPath, SQLITE_OPEN_READWRITE, displayPath).prepareForUse(false);
        } catch (const platform::RuntimeError&) {
            // The read-only open below reports what is wrong.
        }
    }
    SqliteConnection connection =
        openWithFlags(hostPath, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, displayPath);
    connection.prepareForUse(readOnly);
    return connection;
}

SqliteConnection SqliteConnection::create(const QString& hostPath, const QString& displayPath)
{
    SqliteConnection connection =
        openWithFlags(hostPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, displayPath);
    connection.execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    return connection;
}

void SqliteConnection::prepareForUse(bool readOnly)
{
    // Reading the schema is what tells a database from any other file.
    SqliteStatement schema = prepare(QStringLiteral("SELECT count(*) FROM sqlite_master"), QString());
    schema.step();
    schema.reset();
    SqliteStatement journal = prepare(QStringLiteral("PRAGMA journal_mode"), QString());
    journal.step();
    const QString mode = journal.columnText(0);
    journal.reset();
    if (!readOnly && mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept
    : m_database(std::exchange(other.m_database, nullptr)), m_displayPath(std::move(other.m_displayPath))
{
}

SqliteConnection& SqliteConnection::operator=(SqliteConnection&& other) noexcept
{
    if (this != &other) {
        close();
        m_database = std::exchange(other.m_database, nullptr);
        m_displayPath = std::move(other.m_displayPath);
    }
    return *this;
}

SqliteConnection::~SqliteConnection()
{
    close();
}

void SqliteConnection::close()
{
    if (m_database == nullptr)
        return;
    if (inTransaction())
        sqlite3_exec(m_database, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_database);
    m_database = nullptr;
}

void SqliteConnection::execute(const QString& sql)
{
    char* message = nullptr;
    const int result = sqlite3_exec(m_database, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (result != SQLITE_OK)
        throw error(result, QString());
}

SqliteStatement SqliteConnection::prepare(const QString& sql, const QString& callerText) const
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const int result = sqlite3_prepare_v2(m_database, utf8.constData(), int(utf8.size()), &statement, &tail);
    if (result != SQLITE_OK)
        throw error(result, callerText);
    return SqliteStatement(statement, *this, callerText);
}

std::optional<SqliteStatement> SqliteConnection::tryPrepare(const QString& sql, const QString& callerText) const
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_database, utf8.constData(), int(utf8.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return std::nullopt;
    }
    return SqliteStatement(statement, *this, callerText);
}

int SqliteConnection::changes() const
{
    return sqlite3_changes(m_database);
}

qint64 SqliteConnection::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(m_database);
}

bool SqliteConnection::inTransaction() const
{
    return m_database != nullptr && sqlite3_get_autocommit(m_database) == 0;
}

platform::RuntimeError SqliteConnection::error(int resultCode, const QString& callerText) const
{
    const QString message = m_database != nullptr ? QString::fromUtf8(sqlite3_errmsg(m_database)) : QString();
    return engineError::fromSqlite(resultCode, message, m_displayPath, callerText);
}

} // namespace store
