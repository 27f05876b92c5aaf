#include "explorer/store/engine/SqliteStatement.h"

#include <utility>

#include <QStringEncoder>

#include <sqlite3.h>

#include "explorer/store/engine/SqliteConnection.h"
#include "explorer/store/engine/StatementCache.h"

namespace store {

SqliteStatement::SqliteStatement(sqlite3_stmt* statement, const SqliteConnection& connection, QString callerText,
                                 StatementLender lender)
    : m_statement(statement), m_connection(&connection), m_callerText(std::move(callerText)),
      m_lender(std::move(lender))
{
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr)), m_connection(other.m_connection),
      m_callerText(std::move(other.m_callerText)), m_lender(std::move(other.m_lender))
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        release();
        m_statement = std::exchange(other.m_statement, nullptr);
        m_connection = other.m_connection;
        m_callerText = std::move(other.m_callerText);
        m_lender = std::move(other.m_lender);
    }
    return *this;
}

SqliteStatement::~SqliteStatement()
{
    release();
}

void SqliteStatement::release()
{
    if (m_statement == nullptr)
        return;
    if (m_lender.cache)
        m_lender.cache->giveBack({std::exchange(m_statement, nullptr), std::move(m_lender.columns)}, m_lender.sql,
                                 m_lender.authorizer, m_lender.generation);
    else
        sqlite3_finalize(std::exchange(m_statement, nullptr));
    m_lender.cache.reset();
    m_lender.columns.reset();
}

void SqliteStatement::keepColumns(std::shared_ptr<const StatementColumns> columns)
{
    if (m_lender.cache)
        m_lender.columns = std::move(columns);
}

void SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(m_statement, index);
}

void SqliteStatement::bindInteger(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
}

void SqliteStatement::bindDouble(int index, double value)
{
    sqlite3_bind_double(m_statement, index, value);
}

void SqliteStatement::bindText(int index, const QString& value)
{
    // SQLite copies the text: converting it into one buffer kept for the next values spares an
    // allocation for each of the many values a card's rows bind.
    constexpr qsizetype keptBufferSize = 64 * 1024;
    thread_local QStringEncoder toUtf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    thread_local QByteArray buffer(keptBufferSize, Qt::Uninitialized);
    const qsizetype needed = toUtf8.requiredSpace(value.size());
    QByteArray large;
    char* start = buffer.data();
    if (needed > keptBufferSize) {
        large.resize(needed);
        start = large.data();
    }
    const char* const end = toUtf8.appendToBuffer(start, value);
    sqlite3_bind_text(m_statement, index, start, int(end - start), SQLITE_TRANSIENT);
}

void SqliteStatement::bindUtf16(int index, QStringView text)
{
    static const char16_t empty = u'\0';
    sqlite3_bind_text16(m_statement, index, text.isEmpty() ? &empty : text.utf16(), int(text.size() * 2),
                        SQLITE_STATIC);
}

void SqliteStatement::bindValue(int index, const sqlite3_value* value)
{
    sqlite3_bind_value(m_statement, index, value);
}

void SqliteStatement::bindTexts(const QStringList& values, int firstIndex)
{
    for (int i = 0; i < values.size(); ++i)
        bindText(firstIndex + i, values.at(i));
}

bool SqliteStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    const platform::RuntimeError error = m_connection->error(result, m_callerText);
    sqlite3_reset(m_statement);
    throw error;
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString SqliteStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

} // namespace store
