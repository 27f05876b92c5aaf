#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace bench {

class SqliteFloor;

// A statement of the floor: prepared once, run again and again.
class FloorStatement {
public:
    FloorStatement(const SqliteFloor& floor, const QByteArray& sql);
    FloorStatement(const FloorStatement&) = delete;
    FloorStatement& operator=(const FloorStatement&) = delete;
    ~FloorStatement();

    void bindText(int parameter, const QByteArray& text);
    void bindValue(int parameter, const sqlite3_value* value);
    // True while there is a row; the statement is reset when it is done.
    bool step();
    int columnCount() const;
    QString columnText(int column) const;
    sqlite3_value* columnValue(int column) const;

private:
    sqlite3* m_database;
    sqlite3_stmt* m_statement = nullptr;
};

// The floor of the store's figures: a SQLite connection of this process, kept open, with
// SQLite's defaults for durability (a rollback journal, full syncs) as the engine's have.
// A failure raises std::runtime_error.
class SqliteFloor {
public:
    explicit SqliteFloor(const QString& hostPath);
    SqliteFloor(const SqliteFloor&) = delete;
    SqliteFloor& operator=(const SqliteFloor&) = delete;
    ~SqliteFloor();

    void execute(const QByteArray& sql);

private:
    friend class FloorStatement;

    sqlite3* m_database = nullptr;
};

} // namespace bench
