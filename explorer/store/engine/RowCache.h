#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QString>
#include <QStringView>

#include "explorer/store/engine/PooledBlock.h"

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
    RowCache(RowCache&& other) noexcept = default;
    RowCache& operator=(RowCache&& other) noexcept;
    RowCache(const RowCache&) = delete;
    RowCache& operator=(const RowCache&) = delete;
    ~RowCache();

    // Appends the current row of statement, reading columns firstColumn and on; the row id is
    // read from rowidColumn when it is not negative.
    void append(sqlite3_stmt* statement, int firstColumn, int rowidColumn);
    // Replaces the values of row with the current row of statement.
    void replace(int row, sqlite3_stmt* statement, int firstColumn);
    // A row whose values are to be read (replace) before they are used.
    void appendPending(qint64 rowid);
    void markPending(int row) { m_flags[std::size_t(row)] |= pending; }

    int rowCount() const { return int(m_rowids.size()); }
    int columnCount() const { return m_columnCount; }
    qint64 rowid(int row) const { return m_rowids[std::size_t(row)]; }
    bool isDeleted(int row) const { return (m_flags[std::size_t(row)] & deleted) != 0; }
    void markDeleted(int row) { m_flags[std::size_t(row)] |= deleted; }
    bool isPending(int row) const { return (m_flags[std::size_t(row)] & pending) != 0; }

    Storage storage(int row, int column) const { return cell(row, column).storage; }
    qint64 integer(int row, int column) const { return cell(row, column).integer; }
    double real(int row, int column) const { return cell(row, column).real; }
    QString text(int row, int column) const;
    QStringView textView(int row, int column) const;

private:
    // Left uninitialised when a block is made (a trivial type, so that plain memory holds it):
    // read() writes every cell of a row it appends.
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
        return static_cast<Cell*>(m_cellBlocks[std::size_t(row / rowsPerBlock)].data()) +
               std::size_t(row % rowsPerBlock) * std::size_t(m_columnCount);
    }
    void read(Cell& target, sqlite3_stmt* statement, int column);
    void keep(Cell& target, const char* utf8, std::size_t length);
    void startTextBlock(std::size_t needed);
    void giveBackTextBlocks();

    int m_columnCount;
    // Blocks of rows, so that growing never moves the rows read so far.
    std::vector<PooledBlock> m_cellBlocks;
    static const std::uint8_t deleted = 1;
    static const std::uint8_t pending = 2;

    void addRow(qint64 rowid, std::uint8_t flags);

    std::vector<qint64> m_rowids;
    std::vector<std::uint8_t> m_flags;
    std::vector<QString::DataPointer> m_textBlocks; // each holds one reference to its block
    std::size_t m_textUsed = 0;
    std::size_t m_textCapacity = 0;
};

} // namespace store
