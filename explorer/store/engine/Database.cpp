#include "explorer/store/engine/Database.h"

#include <utility>

#include <sqlite3.h>

#include "explorer/store/engine/DatabasePath.h"
#include "explorer/store/engine/DatabaseState.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/FieldValue.h"
#include "explorer/store/engine/InsertSelect.h"
#include "explorer/store/engine/KeptConnections.h"
#include "explorer/store/engine/RecordsetState.h"
#include "explorer/store/engine/TranslatedStatements.h"
#include "explorer/store/engine/WorkspaceState.h"

namespace store {

namespace {

const int objectNotSet = 91;

QString textOrEmpty(const char* text)
{
    return text != nullptr ? QString::fromUtf8(text) : QString();
}

// Whether every column of a prepared select (after the row id) is a plain column of table.
bool readsOnlyColumnsOf(sqlite3_stmt* statement, const QString& table)
{
    for (int column = 1; column < sqlite3_column_count(statement); ++column) {
        if (sqlite3_column_origin_name(statement, column) == nullptr ||
            textOrEmpty(sqlite3_column_database_name(statement, column)) != QLatin1String("main") ||
            textOrEmpty(sqlite3_column_table_name(statement, column)).compare(table, Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// The columns of a select that made its first step (which prepares it again on a changed schema),
// worked out once for each statement that the connection keeps. A select with the row id first
// (withRowid) may read the table of that name only.
std::shared_ptr<const StatementColumns> columnsOf(SqliteStatement& select, bool withRowid, const QString& table)
{
    sqlite3_stmt* statement = select.handle();
    const int preparations = sqlite3_stmt_status(statement, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (select.columns() && select.columns()->preparations == preparations)
        return select.columns();
    auto columns = std::make_shared<StatementColumns>();
    columns->preparations = preparations;
    columns->ofOneTable = withRowid && readsOnlyColumnsOf(statement, table);
    const int firstColumn = columns->ofOneTable ? 1 : 0;
    if (columns->ofOneTable)
        columns->table = QString::fromUtf8(sqlite3_column_table_name(statement, 1));
    const int count = sqlite3_column_count(statement) - firstColumn;
    columns->columns.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        RecordsetColumn& column = columns->columns[std::size_t(i)];
        column.name = textOrEmpty(sqlite3_column_name(statement, firstColumn + i));
        column.originName = textOrEmpty(sqlite3_column_origin_name(statement, firstColumn + i));
        const std::optional<ColumnType> declared =
            columnTypeFromDeclaration(textOrEmpty(sqlite3_column_decltype(statement, firstColumn + i)));
        column.type = declared.value_or(ColumnType{dbText, -1});
    }
    select.keepColumns(columns);
    return columns;
}

// The other database of the workspace that has the file open for writing, if any: a copy into
// that file goes through it, and so into the workspace's transaction.
DatabaseState* openForWriting(const DatabaseState& database, const FileIdentity& identity)
{
    for (const std::weak_ptr<DatabaseState>& weak : database.workspace->databases) {
        const std::shared_ptr<DatabaseState> other = weak.lock();
        if (other && other.get() != &database && other->connection.isOpen() && !other->readOnly &&
            other->lock.identity() == identity)
            return other.get();
    }
    return nullptr;
}

} // namespace

Database::Database(std::shared_ptr<DatabaseState> state) : m_state(std::move(state)) {}

DatabaseState& Database::state() const
{
    if (!m_state)
        throw platform::RuntimeError(objectNotSet);
    if (!m_state->connection.isOpen())
        throw engineError::make(engineError::ObjectClosed);
    return *m_state;
}

Database Database::open(const std::shared_ptr<WorkspaceState>& workspace, const QString& path, bool exclusive,
                        bool readOnly)
{
    auto state = std::make_shared<DatabaseState>();
    state->workspace = workspace;
    state->name = DatabasePath::withDefaultExtension(path);
    state->readOnly = readOnly;
    state->hostPath = DatabasePath::existingHostPath(state->name);
    state->lock =
        FileLock::acquire(state->hostPath, exclusive ? FileLock::Mode::Exclusive : FileLock::Mode::Shared, state->name);
    state->connection = KeptConnections::instance().take(state->hostPath, state->lock.file(), readOnly, state->name);
    for (int level = 1; level <= workspace->transactionLevel; ++level)
        state->connection.execute(WorkspaceState::beginStatement(level));
    return Database(std::move(state));
}

void Database::Execute(const QString& statement)
{
    DatabaseState& database = state();
    const TranslatedStatement translated = TranslatedStatements::instance().statement(statement);
    if (translated.kind == TranslatedStatement::Kind::Select)
        throw engineError::make(engineError::SelectNotExecutable);
    database.recordsAffected = 0;
    if (translated.kind == TranslatedStatement::Kind::CrossFileInsert) {
        const TargetFile targetFile = TargetFile::of(translated.targetFile);
        if (DatabaseState* target = openForWriting(database, targetFile.identity))
            database.recordsAffected =
                InsertSelect::intoOpenFile(database.connection, target->connection, translated, statement);
        else
            database.recordsAffected =
                InsertSelect::intoOtherFile(database.connection, database.lock, targetFile, translated, statement);
        return;
    }
    if (database.readOnly)
        throw engineError::make(engineError::ReadOnly);
    if (translated.kind == TranslatedStatement::Kind::InsertSelect) {
        database.recordsAffected = InsertSelect::intoSameFile(database.connection, translated, statement);
        return;
    }
    SqliteStatement action = database.connection.prepare(translated.sql, statement);
    action.bindTexts(translated.parameters);
    while (action.step()) {
    }
    database.recordsAffected = database.connection.changes();
}

int Database::RecordsAffected() const
{
    return state().recordsAffected;
}

Recordset Database::OpenRecordset(const QString& source)
{
    DatabaseState& database = state();
    const TranslatedStatement translated = TranslatedStatements::instance().select(source);
    auto recordset = std::make_shared<RecordsetState>();
    recordset->database = m_state;

    // Each select is stepped before its columns are read: one prepared on a schema that another
    // connection changed since is prepared again by its first step.
    std::optional<SqliteStatement> select;
    std::shared_ptr<const StatementColumns> columns;
    bool onRow = false;
    if (!translated.rowidSql.isEmpty())
        select = database.connection.tryPrepare(translated.rowidSql, source);
    if (select) {
        select->bindTexts(translated.parameters);
        try {
            onRow = select->step();
        } catch (const platform::RuntimeError&) {
            // Kept from before a change of schema, it no longer prepares: the select as written may.
            if (!sqlite3_expired(select->handle()))
                throw;
            select.reset();
        }
    }
    if (select) {
        columns = columnsOf(*select, true, translated.table);
        if (!columns->ofOneTable)
            select.reset();
    }
    if (!select) {
        select.emplace(database.connection.prepare(translated.sql, source));
        select->bindTexts(translated.parameters);
        onRow = select->step();
        columns = columnsOf(*select, false, QString());
    }
    const int firstColumn = columns->ofOneTable ? 1 : 0;
    if (!database.readOnly)
        recordset->table = columns->table;
    recordset->columns = columns->columns;
    recordset->rows = RowCache(int(recordset->columns.size()));

    for (; onRow; onRow = select->step())
        recordset->rows.append(select->handle(), firstColumn, firstColumn - 1);
    for (std::size_t i = 0; i < recordset->columns.size(); ++i) {
        if (recordset->columns[i].type.size < 0)
            recordset->columns[i].type = fieldValue::inferredType(recordset->rows, int(i));
    }
    recordset->liveRows = recordset->rows.rowCount();
    if (recordset->liveRows > 0) {
        recordset->position = RecordsetState::Position::OnRow;
        recordset->current = 0;
    }
    std::erase_if(database.recordsets, [](const std::weak_ptr<RecordsetState>& weak) { return weak.expired(); });
    database.recordsets.push_back(recordset);
    return Recordset(std::move(recordset));
}

void Database::Close()
{
    DatabaseState& database = state();
    for (const std::weak_ptr<RecordsetState>& weak : std::exchange(database.recordsets, {})) {
        const std::shared_ptr<RecordsetState> recordset = weak.lock();
        if (recordset && recordset->open)
            Recordset(recordset).Close();
    }
    database.close();
    std::erase_if(database.workspace->databases, [this](const std::weak_ptr<DatabaseState>& weak) {
        return weak.expired() || weak.lock() == m_state;
    });
}

QString Database::Name() const
{
    return state().name;
}

bool Database::Updatable() const
{
    return !state().readOnly;
}

} // namespace store
