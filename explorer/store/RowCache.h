#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace store {

// The rows of a recordset as SQLite returned them, kept compact: one cell per value, and the
// texts, already in UTF-16, side by side in shared string blocks. A field's text is handed out
// as a QString sharing its block (no copy and no allocation per value); the block lives on as
// long as any such string does.
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
    QString text(int row, int column) const;
    QStringView textView(int row, int column) const;

private:
    // Left uninitialised when a block is made: read() writes every cell of a row it appends.
    struct Cell {
        Storage storage;
        std::uint32_t length; // of a text, in UTF-16 code units
        union {
            qint64 integer;
            double real;
            struct {
                std::uint32_t block;
                std::uint32_t offset;
            } text;
        };
    };

    static const int rowsPerBlock = 256;

    const Cell& cell(int row, int column) const { return rowCells(row)[column]; }
    Cell* rowCells(int row) const
    {
        return m_cellBlocks[std::size_t(row / rowsPerBlock)].get()
               + std::size_t(row % rowsPerBlock) * std::size_t(m_columnCount);
    }
    void read(Cell& target, sqlite3_stmt* statement, int column);
    void keep(Cell& target, const char* utf8, std::size_t length);
    void startTextBlock(std::size_t needed);

    int m_columnCount;
    // Blocks of rows, so that growing never moves the rows read so far.
    std::vector<std::unique_ptr<Cell[]>> m_cellBlocks;
    std::vector<qint64> m_rowids;
    std::vector<char> m_deleted;
    std::vector<QString::DataPointer> m_textBlocks; // each holds one reference to its block
    std::size_t m_textUsed = 0;
    std::size_t m_textCapacity = 0;
};

} // namespace store
