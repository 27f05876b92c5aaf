#pragma once

#include <memory>

#include <QString>
#include <QStringList>
#include <QStringView>

struct sqlite3_stmt;
struct sqlite3_value;

namespace store {

class SqliteConnection;
class StatementCache;
struct StatementColumns;

// Where a statement lent by a connection's cache goes back to.
struct StatementLender {
    std::shared_ptr<StatementCache> cache;
    QString sql;
    int authorizer = 0;
    unsigned generation = 0;
    std::shared_ptr<const StatementColumns> columns;
};

// One prepared statement, given back to the connection's cache with its owner (or finalized, when
// it did not come from one). Failures are raised as the engine's errors, naming the caller's own
// statement text.
class SqliteStatement {
public:
    SqliteStatement(sqlite3_stmt* statement, const SqliteConnection& connection, QString callerText,
                    StatementLender lender = {});
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    void bindNull(int index);
    void bindInteger(int index, qint64 value);
    void bindDouble(int index, double value);
    void bindText(int index, const QString& value);
    void bindUtf16(int index, QStringView text); // the text must outlive the step
    void bindValue(int index, const sqlite3_value* value);
    // Binds texts to the parameters firstIndex, firstIndex + 1, ...
    void bindTexts(const QStringList& values, int firstIndex = 1);

    bool step(); // true while a row is there
    void reset();
    int columnCount() const;
    QString columnName(int column) const;
    QString columnText(int column) const;
    sqlite3_stmt* handle() const { return m_statement; }
    // The columns a user worked out from the statement, kept with it in the cache; null when
    // none did or the statement does not come from a cache.
    const std::shared_ptr<const StatementColumns>& columns() const { return m_lender.columns; }
    void keepColumns(std::shared_ptr<const StatementColumns> columns);

private:
    void release();

    sqlite3_stmt* m_statement = nullptr;
    const SqliteConnection* m_connection = nullptr;
    QString m_callerText;
    StatementLender m_lender;
};

} // namespace store
