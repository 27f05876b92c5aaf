#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace store {

// The rows of a recordset as SQLite returned them, kept compact: one cell per value and the
// texts in large blocks that never move, turned into strings only when a field is read.
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
    QString text(int row, int column) const { return QString::fromUtf8(utf8(row, column)); }

private:
    struct Cell {
        Storage storage = Storage::Null;
        std::uint32_t length = 0;
        union {
            qint64 integer;
            double real;
            const char* text;
        };
        Cell() : integer(0) {}
    };

    static const int rowsPerBlock = 1024;

    const Cell& cell(int row, int column) const { return rowCells(row)[column]; }
    Cell* rowCells(int row) const
    {
        return m_cellBlocks[std::size_t(row / rowsPerBlock)].get()
               + std::size_t(row % rowsPerBlock) * std::size_t(m_columnCount);
    }
    void read(Cell& target, sqlite3_stmt* statement, int column);
    const char* keep(const char* bytes, std::size_t length);

    int m_columnCount;
    // Blocks of rows, so that growing never moves the rows read so far.
    std::vector<std::unique_ptr<Cell[]>> m_cellBlocks;
    std::vector<qint64> m_rowids;
    std::vector<char> m_deleted;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_blockUsed = 0;
    std::size_t m_blockSize = 0;
};

} // namespace store
