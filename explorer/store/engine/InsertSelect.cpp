#include "explorer/store/engine/InsertSelect.h"

#include <cstring>

#include <QStringBuilder>
#include <QStringList>

#include <sqlite3.h>

#include "explorer/store/engine/DatabasePath.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/FileLock.h"
#include "explorer/store/engine/RecentTexts.h"
#include "explorer/store/engine/SqliteConnection.h"
#include "platform/RuntimeError.h"

namespace store {

namespace {

const QString targetSchema = QStringLiteral("target_file");

// The names of a select's columns, kept as SQLite gives them: a copy finds the INSERT it made for
// the same columns before without converting a name.
class SelectColumns {
public:
    explicit SelectColumns(const SqliteStatement& select) : m_count(select.columnCount())
    {
        m_names.reserve(16 * m_count);
        for (int column = 0; column < m_count; ++column) {
            const char* name = sqlite3_column_name(select.handle(), column);
            m_names.append(name, qsizetype(std::strlen(name) + 1));
        }
    }

    int count() const { return m_count; }
    // The names, each ended by a null.
    const QByteArray& names() const { return m_names; }

    QStringList nameList() const
    {
        QStringList names;
        for (const QByteArray& name : m_names.split('\0').first(m_count))
            names.append(QString::fromUtf8(name));
        return names;
    }

private:
    int m_count;
    QByteArray m_names; // each ended by a null
};

// The columns of table in schema that take the named columns of a select, in their order;
// SQLite finds a column by its name ignoring case, as the engine does.
QStringList matchingColumns(const SqliteConnection& connection, const char* schema, const QString& table,
                            const QStringList& names)
{
    const QByteArray tableName = table.toUtf8();
    if (!connection.hasColumn(schema, tableName, nullptr))
        throw engineError::tableNotFound(table);
    QStringList matching;
    for (const QString& name : names) {
        if (!connection.hasColumn(schema, tableName, name.toUtf8().constData()))
            throw engineError::unknownInsertField(name);
        matching.append(SqlDialect::quoteIdentifier(name));
    }
    return matching;
}

// What an INSERT of a copy is made of.
struct InsertParts {
    QString into;
    QString rest;
    QByteArray columns; // the select's column names, each ended by a null
    friend bool operator==(const InsertParts&, const InsertParts&) = default;
};

// "INSERT INTO into (the select's columns) rest" on connection, where into is table in schema.
// One that prepares names a table and columns that schema has: only when it does not are they
// looked up one by one, for the engine's own error.
SqliteStatement insertInto(SqliteConnection& connection, const char* schema, const QString& into, const QString& table,
                           const SelectColumns& columns, const QString& rest, const QString& callerText)
{
    // Copying card after card makes the same few texts again and again.
    thread_local RecentTexts<InsertParts> made;
    const QString sql = made.of(InsertParts{into, rest, columns.names()}, [&]() -> QString {
        QStringList quoted;
        for (const QString& name : columns.nameList())
            quoted.append(SqlDialect::quoteIdentifier(name));
        return QStringLiteral("INSERT INTO ") % into % QStringLiteral(" (") % quoted.join(QStringLiteral(", ")) %
               QStringLiteral(") ") % rest;
    });
    if (std::optional<SqliteStatement> insert = connection.tryPrepare(sql, callerText))
        return std::move(*insert);
    matchingColumns(connection, schema, table, columns.nameList());
    return connection.prepare(sql, callerText);
}

// Rolls the target's transaction back unless it was committed.
class TargetTransaction {
public:
    explicit TargetTransaction(SqliteConnection& connection) : m_connection(connection)
    {
        m_connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~TargetTransaction()
    {
        if (m_connection.inTransaction())
            m_connection.close();
    }
    void commit() { m_connection.execute(QStringLiteral("COMMIT")); }

    TargetTransaction(const TargetTransaction&) = delete;
    TargetTransaction& operator=(const TargetTransaction&) = delete;

private:
    SqliteConnection& m_connection;
};

// A statement's own all-or-nothing inside whatever transaction the connection is in: rolled back
// to unless released.
class Savepoint {
public:
    explicit Savepoint(SqliteConnection& connection) : m_connection(connection)
    {
        m_connection.execute(QStringLiteral("SAVEPOINT copy_rows"));
    }
    ~Savepoint()
    {
        if (m_released)
            return;
        try {
            m_connection.execute(QStringLiteral("ROLLBACK TO copy_rows; RELEASE copy_rows"));
        } catch (const platform::RuntimeError&) {
            // SQLite already rolled the whole transaction back, the savepoint with it.
        }
    }
    void release()
    {
        m_connection.execute(QStringLiteral("RELEASE copy_rows"));
        m_released = true;
    }

    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

private:
    SqliteConnection& m_connection;
    bool m_released = false;
};

// The target attached for one copy, and kept attached after a copy that went through, for the
// next copy into the same file; detached however else the copy ends.
class Attachment {
public:
    Attachment(SqliteConnection& connection, const QString& hostPath, const FileState& now, const QString& displayPath)
        : m_connection(connection), m_hostPath(hostPath)
    {
        m_connection.attachKept(hostPath, now, targetSchema, displayPath);
    }
    ~Attachment()
    {
        if (m_kept)
            m_connection.keepAttached(m_hostPath, targetSchema);
        else
            m_connection.detach(targetSchema);
    }
    void keep() { m_kept = true; }

    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

private:
    SqliteConnection& m_connection;
    QString m_hostPath;
    bool m_kept = false;
};

// The target attached to the source connection, and one INSERT ... SELECT: what the sqlite3
// shell would do, and the cheapest way.
int throughAttachment(SqliteConnection& source, const QString& targetHost, const FileState& target,
                      const QString& targetPath, const TranslatedStatement& statement, const QString& callerText)
{
    // Prepared before the target is attached, or kept from reading it, the select reads only the
    // source's tables; it is gone before the target is, so that nothing keeps the target from
    // being detached.
    const SelectColumns columns(source.prepareOnOwnFile(statement.sql, callerText));
    Attachment attachment(source, targetHost, target, targetPath);
    SqliteStatement insert = insertInto(source, targetSchema.toUtf8().constData(),
                                        targetSchema + u'.' + SqlDialect::quoteIdentifier(statement.table),
                                        statement.table, columns, statement.sql, callerText);
    insert.bindTexts(statement.parameters);
    insert.step();
    attachment.keep();
    return source.changes();
}

// The rows of the select written one by one through the target's connection.
int copyRows(SqliteStatement& select, SqliteConnection& target, const TranslatedStatement& statement,
             const QString& callerText)
{
    const SelectColumns columns(select);
    QStringList placeholders;
    for (int column = 0; column < columns.count(); ++column)
        placeholders.append(QStringLiteral("?"));
    SqliteStatement insert =
        insertInto(target, "main", SqlDialect::quoteIdentifier(statement.table), statement.table, columns,
                   QStringLiteral("VALUES (") + placeholders.join(QStringLiteral(", ")) + u')', callerText);
    int written = 0;
    while (select.step()) {
        for (int column = 0; column < select.columnCount(); ++column)
            insert.bindValue(column + 1, sqlite3_column_value(select.handle(), column));
        insert.step();
        insert.reset();
        ++written;
    }
    select.reset();
    return written;
}

// A connection of its own on the target, for a target that is the source file itself or a
// source inside a transaction (which can attach nothing): the rows read from the source and
// written in one transaction of the target.
int throughSecondConnection(const SqliteConnection& source, const QString& targetHost, const QString& targetPath,
                            const TranslatedStatement& statement, const QString& callerText)
{
    SqliteStatement select = source.prepare(statement.sql, callerText);
    select.bindTexts(statement.parameters);
    SqliteConnection target = SqliteConnection::open(targetHost, false, targetPath);
    TargetTransaction transaction(target);
    const int written = copyRows(select, target, statement, callerText);
    transaction.commit();
    return written;
}

} // namespace

int InsertSelect::intoSameFile(SqliteConnection& connection, const TranslatedStatement& statement,
                               const QString& callerText)
{
    const QStringList columns = matchingColumns(
        connection, "main", statement.table, SelectColumns(connection.prepare(statement.sql, callerText)).nameList());
    SqliteStatement insert = connection.prepare(
        QStringLiteral("INSERT INTO %1 (%2) ")
                .arg(SqlDialect::quoteIdentifier(statement.table), columns.join(QStringLiteral(", "))) +
            statement.sql,
        callerText);
    insert.bindTexts(statement.parameters);
    insert.step();
    return connection.changes();
}

TargetFile TargetFile::of(const QString& file)
{
    TargetFile target;
    target.path = DatabasePath::withDefaultExtension(file);
    target.hostPath = DatabasePath::existingHostPath(target.path, &target.identity);
    return target;
}

int InsertSelect::intoOtherFile(SqliteConnection& source, const FileLock& sourceLock, const TargetFile& target,
                                const TranslatedStatement& statement, const QString& callerText)
{
    const bool sameFile = target.identity == sourceLock.identity();
    FileLock targetLock;
    if (!sameFile)
        targetLock = FileLock::acquire(target.hostPath, FileLock::Mode::Shared, target.path);
    if (sameFile || source.inTransaction())
        return throughSecondConnection(source, target.hostPath, target.path, statement, callerText);
    return throughAttachment(source, target.hostPath, targetLock.file(), target.path, statement, callerText);
}

int InsertSelect::intoOpenFile(const SqliteConnection& source, SqliteConnection& target,
                               const TranslatedStatement& statement, const QString& callerText)
{
    SqliteStatement select = source.prepare(statement.sql, callerText);
    select.bindTexts(statement.parameters);
    Savepoint savepoint(target);
    const int written = copyRows(select, target, statement, callerText);
    savepoint.release();
    return written;
}

} // namespace store
