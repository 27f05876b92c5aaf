#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace store {

// The rows of a recordset as SQLite returned them, kept compact: one cell per value and the
// texts side by side in one buffer, turned into strings only when a field is read.
class RowCache {
public:
    enum class Storage : std::uint8_t { Null, Integer, Real, Text };

    explicit RowCache(int columnCount = 0) : m_columnCount(columnCount) {}

    // Appends the current row of statement, reading columns firstColumn and on; the row id is
    // read from rowidColumn when it is not negative.
    void append(sqlite3_stmt* statement, int firstColumn, int rowidColumn);
    // Replaces the values of row with the current row of statement.
    void replace(int row, sqlite3_stmt* statement, int firstColumn);

    int rowCount() const { return int(m_rowids.size()); }
    int columnCount() const { return m_columnCount; }
    qint64 rowid(int row) const { return m_rowids[std::size_t(row)]; }
    bool isDeleted(int row) const { return m_deleted[std::size_t(row)] != 0; }
    void markDeleted(int row) { m_deleted[std::size_t(row)] = 1; }

    Storage storage(int row, int column) const { return cell(row, column).storage; }
    qint64 integer(int row, int column) const { return cell(row, column).integer; }
    double real(int row, int column) const { return cell(row, column).real; }
    QByteArrayView utf8(int row, int column) const;
    QString text(int row, int column) const;

private:
    struct Cell {
        Storage storage = Storage::Null;
        std::uint32_t length = 0;
        union {
            qint64 integer;
            double real;
            std::uint64_t offset;
        };
        Cell() : integer(0) {}
    };

    const Cell& cell(int row, int column) const
    {
        return m_cells[std::size_t(row) * std::size_t(m_columnCount) + std::size_t(column)];
    }
    void read(Cell& target, sqlite3_stmt* statement, int column);

    int m_columnCount;
    std::vector<Cell> m_cells;
    std::vector<qint64> m_rowids;
    std::vector<char> m_deleted;
    std::string m_texts;
};

} // namespace store
