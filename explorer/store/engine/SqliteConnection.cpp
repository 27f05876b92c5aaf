#include "explorer/store/engine/SqliteConnection.h"

#include <cstring>
#include <utility>

#include <QFileInfo>

#include <sqlite3.h>

#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/LikePattern.h"

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

// What a read-only connection may not do to its own file.
int refuseChangesToMain(void*, int action, const char*, const char*, const char* schema, const char*)
{
    switch (action) {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_ALTER_TABLE:
    case SQLITE_REINDEX:
    case SQLITE_ANALYZE:
        return schema != nullptr && std::strcmp(schema, "main") == 0 ? SQLITE_DENY : SQLITE_OK;
    default:
        return SQLITE_OK;
    }
}

bool isOwnFile(const char* schema)
{
    return schema == nullptr || std::strcmp(schema, "main") == 0 || std::strcmp(schema, "temp") == 0;
}

// While a statement on the connection's own file is prepared: no reading of an attached one.
int refuseReadsElsewhere(void*, int action, const char*, const char*, const char* schema, const char*)
{
    if (action == SQLITE_READ && !isOwnFile(schema))
        return SQLITE_DENY;
    return SQLITE_OK;
}

// What the connection's authorizer refuses, flags of data.
const int refuseChangesToMainFlag = 1;
const int refuseReadsElsewhereFlag = 2;

// The one authorizer of a connection, set once: setting another would expire every statement
// the connection keeps.
int authorizeAction(void* data, int action, const char* table, const char* column, const char* schema,
                    const char* trigger)
{
    const int refused = *static_cast<const int*>(data);
    if ((refused & refuseReadsElsewhereFlag) != 0 &&
        refuseReadsElsewhere(data, action, table, column, schema, trigger) != SQLITE_OK)
        return SQLITE_DENY;
    if ((refused & refuseChangesToMainFlag) != 0)
        return refuseChangesToMain(data, action, table, column, schema, trigger);
    return SQLITE_OK;
}

} // namespace

SqliteConnection::SqliteConnection(sqlite3* database, QString displayPath)
    : m_database(database), m_statements(std::make_shared<StatementCache>()), m_refused(std::make_unique<int>(0)),
      m_displayPath(std::move(displayPath))
{
    sqlite3_set_authorizer(m_database, authorizeAction, m_refused.get());
}

SqliteConnection SqliteConnection::openWithFlags(const QString& hostPath, int flags, const QString& displayPath)
{
    // Before SQLite starts: without its memory statistics every allocation skips a mutex.
    static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    Q_UNUSED(configured);
    sqlite3* database = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &database,
                                       flags | SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOMUTEX, nullptr);
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
    // Read-only connections are SQLite read-write ones that the authorizer keeps from changing
    // their file: so they can roll back a journal a crash left, and write into attached files.
    SqliteConnection connection = openWithFlags(hostPath, SQLITE_OPEN_READWRITE, displayPath);
    connection.m_readOnly = readOnly;
    if (readOnly)
        *connection.m_refused = refuseChangesToMainFlag;
    connection.checkFile(hostPath, QStringLiteral("main"), readOnly, displayPath);
    return connection;
}

void SqliteConnection::attach(const QString& hostPath, const QString& schema, const QString& displayPath)
{
    SqliteStatement attach = prepare(QStringLiteral("ATTACH ? AS ") + schema, QString());
    attach.bindText(1, hostPath);
    attach.step();
    // Statements prepared before name no file under the schema, or another one.
    m_statements->clear();
    try {
        checkFile(hostPath, schema, false, displayPath);
    } catch (const platform::RuntimeError&) {
        detach(schema);
        throw;
    }
}

void SqliteConnection::detach(const QString& schema)
{
    if (m_kept && m_kept->schema == schema)
        m_kept.reset();
    m_statements->clear();
    sqlite3_exec(m_database, (QStringLiteral("DETACH ") + schema).toUtf8().constData(), nullptr, nullptr, nullptr);
}

void SqliteConnection::attachKept(const QString& hostPath, const FileState& now, const QString& schema,
                                  const QString& displayPath)
{
    if (m_kept && m_kept->hostPath == hostPath && m_kept->schema == schema && now == m_kept->file)
        return;
    if (m_kept)
        detach(m_kept->schema);
    attach(hostPath, schema, displayPath);
}

void SqliteConnection::keepAttached(const QString& hostPath, const QString& schema)
{
    m_kept = KeptAttachment{hostPath, schema, FileState::of(hostPath)};
}

SqliteStatement SqliteConnection::prepareOnOwnFile(const QString& sql, const QString& callerText)
{
    if (!m_kept)
        return prepare(sql, callerText);
    const int refused = *m_refused;
    *m_refused = refused | refuseReadsElsewhereFlag;
    std::optional<SqliteStatement> statement = tryPrepare(sql, callerText);
    *m_refused = refused;
    if (statement)
        return std::move(*statement);
    detach(m_kept->schema);
    return prepare(sql, callerText);
}

SqliteConnection SqliteConnection::create(const QString& hostPath, const QString& displayPath)
{
    SqliteConnection connection = openWithFlags(hostPath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, displayPath);
    connection.execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
    return connection;
}

void SqliteConnection::checkFile(const QString& hostPath, const QString& schema, bool readOnly,
                                 const QString& displayPath)
{
    // The file's first bytes, read through SQLite's own descriptor: a second descriptor closed
    // here would drop the process's locks on the file.
    const QByteArray schemaName = schema.toUtf8();
    char header[100];
    const auto readHeader = [&] {
        sqlite3_file* file = nullptr;
        return sqlite3_file_control(m_database, schemaName.constData(), SQLITE_FCNTL_FILE_POINTER, &file) ==
                   SQLITE_OK &&
               file != nullptr && file->pMethods != nullptr &&
               file->pMethods->xRead(file, header, sizeof header, 0) == SQLITE_OK &&
               std::memcmp(header, "SQLite format 3", 16) == 0;
    };
    bool database = readHeader();
    // A write cut short leaves its journal behind, and the header may be one of the pages it
    // restores: the first read rolls it back.
    if (!database && QFileInfo::exists(hostPath + QStringLiteral("-journal"))) {
        sqlite3_exec(m_database,
                     QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(schema).toUtf8().constData(), nullptr,
                     nullptr, nullptr);
        database = readHeader();
    }
    // SQLite takes an empty file for an empty database; the engine does not.
    if (!database)
        throw engineError::unrecognizedFormat(displayPath);
    const bool writeAheadLog = header[18] == 2 || header[19] == 2;
    if (writeAheadLog && !readOnly)
        execute(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(schema));
    else if (writeAheadLog)
        m_writeAheadLog = true;
}

bool SqliteConnection::becomeIdle()
{
    if (inTransaction())
        sqlite3_exec(m_database, "ROLLBACK", nullptr, nullptr, nullptr);
    // Besides its own file, the connection may have one file attached: the one it keeps.
    const int ownFiles = m_kept ? 3 : 2;
    if (inTransaction() || sqlite3_txn_state(m_database, nullptr) != SQLITE_TXN_NONE || m_statements->lentOut() != 0 ||
        sqlite3_db_name(m_database, ownFiles) != nullptr || m_writeAheadLog)
        return false;
    for (sqlite3_stmt* statement = sqlite3_next_stmt(m_database, nullptr); statement != nullptr;
         statement = sqlite3_next_stmt(m_database, statement)) {
        if (sqlite3_stmt_busy(statement))
            return false;
    }
    return true;
}

void SqliteConnection::reuseUnchanged(bool readOnly, const QString& displayPath)
{
    m_displayPath = displayPath;
    m_readOnly = readOnly;
    *m_refused = readOnly ? refuseChangesToMainFlag : 0;
}

bool SqliteConnection::reuse(const QString& hostPath, bool readOnly, const QString& displayPath)
{
    reuseUnchanged(readOnly, displayPath);
    try {
        checkFile(hostPath, QStringLiteral("main"), readOnly, displayPath);
    } catch (const platform::RuntimeError&) {
        return false;
    }
    return true;
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept
    : m_database(std::exchange(other.m_database, nullptr)), m_statements(std::move(other.m_statements)),
      m_refused(std::move(other.m_refused)), m_displayPath(std::move(other.m_displayPath)),
      m_readOnly(std::exchange(other.m_readOnly, false)), m_writeAheadLog(std::exchange(other.m_writeAheadLog, false)),
      m_kept(std::exchange(other.m_kept, std::nullopt))
{
}

SqliteConnection& SqliteConnection::operator=(SqliteConnection&& other) noexcept
{
    if (this != &other) {
        close();
        m_database = std::exchange(other.m_database, nullptr);
        m_statements = std::move(other.m_statements);
        m_refused = std::move(other.m_refused);
        m_displayPath = std::move(other.m_displayPath);
        m_readOnly = std::exchange(other.m_readOnly, false);
        m_writeAheadLog = std::exchange(other.m_writeAheadLog, false);
        m_kept = std::exchange(other.m_kept, std::nullopt);
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
    m_statements->close();
    m_statements.reset();
    // A statement still out may be prepared again after the close, and m_refused is going.
    sqlite3_set_authorizer(m_database, nullptr, nullptr);
    m_refused.reset();
    sqlite3_close_v2(m_database);
    m_database = nullptr;
    m_readOnly = false;
    m_writeAheadLog = false;
    m_kept.reset();
}

void SqliteConnection::execute(const QString& sql)
{
    // The engine's own statements come again and again, kept prepared as the callers' are;
    // several in one text go through sqlite3_exec.
    if (!sql.contains(u';')) {
        SqliteStatement statement = prepare(sql, QString());
        while (statement.step()) {
        }
        return;
    }
    char* message = nullptr;
    const int result = sqlite3_exec(m_database, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (result != SQLITE_OK)
        throw error(result, QString());
}

int SqliteConnection::prepareStatement(const QString& sql, KeptStatement& statement) const
{
    statement = m_statements->lend(sql, *m_refused);
    if (statement.statement != nullptr)
        return SQLITE_OK;
    const QByteArray utf8 = sql.toUtf8();
    const int result = sqlite3_prepare_v3(m_database, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                          &statement.statement, nullptr);
    if (result != SQLITE_OK) {
        sqlite3_finalize(std::exchange(statement.statement, nullptr));
        return result;
    }
    if (statement.statement != nullptr)
        m_statements->lent();
    return SQLITE_OK;
}

SqliteStatement SqliteConnection::lent(KeptStatement statement, const QString& sql, const QString& callerText) const
{
    if (statement.statement == nullptr)
        return SqliteStatement(nullptr, *this, callerText);
    return SqliteStatement(
        statement.statement, *this, callerText,
        StatementLender{m_statements, sql, *m_refused, m_statements->generation(), std::move(statement.columns)});
}

SqliteStatement SqliteConnection::prepare(const QString& sql, const QString& callerText) const
{
    KeptStatement statement;
    const int result = prepareStatement(sql, statement);
    if (result != SQLITE_OK)
        throw error(result, callerText);
    return lent(std::move(statement), sql, callerText);
}

std::optional<SqliteStatement> SqliteConnection::tryPrepare(const QString& sql, const QString& callerText) const
{
    KeptStatement statement;
    if (prepareStatement(sql, statement) != SQLITE_OK)
        return std::nullopt;
    return lent(std::move(statement), sql, callerText);
}

bool SqliteConnection::hasColumn(const char* schema, const QByteArray& table, const char* column) const
{
    return sqlite3_table_column_metadata(m_database, schema, table.constData(), column, nullptr, nullptr, nullptr,
                                         nullptr, nullptr) == SQLITE_OK;
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
