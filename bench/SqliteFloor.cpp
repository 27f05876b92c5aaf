#include "bench/SqliteFloor.h"

#include <stdexcept>
#include <string>

#include <QFile>

#include <sqlite3.h>

namespace bench {

namespace {

void check(sqlite3* database, int result)
{
    if (result != SQLITE_OK && result != SQLITE_ROW && result != SQLITE_DONE)
        throw std::runtime_error(std::string("sqlite: ") + sqlite3_errmsg(database));
}

} // namespace

FloorStatement::FloorStatement(const SqliteFloor& floor, const QByteArray& sql) : m_database(floor.m_database)
{
    check(m_database, sqlite3_prepare_v2(m_database, sql.constData(), int(sql.size()), &m_statement, nullptr));
}

FloorStatement::~FloorStatement()
{
    sqlite3_finalize(m_statement);
}

void FloorStatement::bindText(int parameter, const QByteArray& text)
{
    check(m_database, sqlite3_bind_text(m_statement, parameter, text.constData(), int(text.size()), SQLITE_TRANSIENT));
}

void FloorStatement::bindValue(int parameter, const sqlite3_value* value)
{
    check(m_database, sqlite3_bind_value(m_statement, parameter, value));
}

bool FloorStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    sqlite3_reset(m_statement);
    check(m_database, result);
    return false;
}

int FloorStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString FloorStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

sqlite3_value* FloorStatement::columnValue(int column) const
{
    return sqlite3_column_value(m_statement, column);
}

SqliteFloor::SqliteFloor(const QString& hostPath)
{
    const int result = sqlite3_open_v2(QFile::encodeName(hostPath).constData(), &m_database,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        sqlite3_close_v2(m_database);
        throw std::runtime_error("sqlite cannot open " + hostPath.toStdString());
    }
}

SqliteFloor::~SqliteFloor()
{
    sqlite3_close_v2(m_database);
}

void SqliteFloor::execute(const QByteArray& sql)
{
    check(m_database, sqlite3_exec(m_database, sql.constData(), nullptr, nullptr, nullptr));
}

} // namespace bench
