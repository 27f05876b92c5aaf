#include "explorer/store/InsertSelect.h"

#include "explorer/store/DatabasePath.h"
#include "explorer/store/EngineError.h"
#include "explorer/store/FileLock.h"
#include "explorer/store/SqliteConnection.h"

#include <QStringList>
#include <algorithm>
#include <sqlite3.h>

namespace store {

namespace {

// The columns of table in target that take the columns of select, in the order of select.
QStringList matchingColumns(const SqliteConnection& target, const QString& table, const SqliteStatement& select,
                            const QString& callerText)
{
    SqliteStatement info = target.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"), callerText);
    info.bindText(1, table);
    QStringList targetColumns;
    while (info.step())
        targetColumns.append(info.columnText(0));
    if (targetColumns.isEmpty())
        throw engineError::tableNotFound(table);
    QStringList matching;
    for (int column = 0; column < select.columnCount(); ++column) {
        const QString name = select.columnName(column);
        const auto match = std::find_if(targetColumns.begin(), targetColumns.end(), [&name](const QString& candidate) {
            return candidate.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (match == targetColumns.end())
            throw engineError::unknownInsertField(name);
        matching.append(SqlDialect::quoteIdentifier(*match));
    }
    return matching;
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

} // namespace

int InsertSelect::intoSameFile(SqliteConnection& connection, const TranslatedStatement& statement,
                               const QString& callerText)
{
    const QStringList columns =
        matchingColumns(connection, statement.table, connection.prepare(statement.sql, callerText), callerText);
    SqliteStatement insert = connection.prepare(QStringLiteral("INSERT INTO %1 (%2) ")
                                                        .arg(SqlDialect::quoteIdentifier(statement.table),
                                                             columns.join(QStringLiteral(", ")))
                                                    + statement.sql,
                                                callerText);
    insert.bindTexts(statement.parameters);
    insert.step();
    return connection.changes();
}

int InsertSelect::intoOtherFile(const SqliteConnection& source, const FileLock& sourceLock,
                                const TranslatedStatement& statement, const QString& callerText)
{
    SqliteStatement select = source.prepare(statement.sql, callerText);
    select.bindTexts(statement.parameters);

    const QString targetPath = DatabasePath::withDefaultExtension(statement.targetFile);
    const QString targetHost = DatabasePath::existingHostPath(targetPath);
    FileLock targetLock;
    if (FileLock::identityOf(targetHost) != sourceLock.identity())
        targetLock = FileLock::acquire(targetHost, FileLock::Mode::Shared, targetPath);
    SqliteConnection target = SqliteConnection::open(targetHost, false, targetPath);

    const QStringList insertColumns = matchingColumns(target, statement.table, select, callerText);
    QStringList placeholders;
    for (int column = 0; column < insertColumns.size(); ++column)
        placeholders.append(QStringLiteral("?"));

    TargetTransaction transaction(target);
    SqliteStatement insert = target.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                .arg(SqlDialect::quoteIdentifier(statement.table),
                                                     insertColumns.join(QStringLiteral(", ")),
                                                     placeholders.join(QStringLiteral(", "))),
                                            callerText);
    int written = 0;
    while (select.step()) {
        for (int column = 0; column < select.columnCount(); ++column)
            insert.bindValue(column + 1, sqlite3_column_value(select.handle(), column));
        insert.step();
        insert.reset();
        ++written;
    }
    select.reset();
    transaction.commit();
    return written;
}

} // namespace store
