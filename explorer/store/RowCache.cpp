#include "explorer/store/RowCache.h"

#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace store {

namespace {

const std::size_t textBlockSize = 256 * 1024;

} // namespace

const char* RowCache::keep(const char* bytes, std::size_t length)
{
    if (m_blocks.empty() || m_blockUsed + length > m_blockSize) {
        m_blockSize = std::max(textBlockSize, length);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_blockSize));
        m_blockUsed = 0;
    }
    char* target = m_blocks.back().get() + m_blockUsed;
    std::memcpy(target, bytes, length);
    m_blockUsed += length;
    return target;
}

void RowCache::read(Cell& target, sqlite3_stmt* statement, int column)
{
    sqlite3_value* value = sqlite3_column_value(statement, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        target.storage = Storage::Null;
        break;
    case SQLITE_INTEGER:
        target.storage = Storage::Integer;
        target.integer = sqlite3_value_int64(value);
        break;
    case SQLITE_FLOAT:
        target.storage = Storage::Real;
        target.real = sqlite3_value_double(value);
        break;
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
        const int length = sqlite3_value_bytes(value);
        target.storage = Storage::Text;
        target.length = std::uint32_t(length);
        target.text = length > 0 ? keep(bytes, std::size_t(length)) : nullptr;
        break;
    }
    }
}

void RowCache::append(sqlite3_stmt* statement, int firstColumn, int rowidColumn)
{
    const int row = rowCount();
    if (row % rowsPerBlock == 0)
        m_cellBlocks.push_back(std::make_unique<Cell[]>(std::size_t(rowsPerBlock) * std::size_t(m_columnCount)));
    Cell* cells = rowCells(row);
    for (int column = 0; column < m_columnCount; ++column)
        read(cells[column], statement, firstColumn + column);
    m_rowids.push_back(rowidColumn >= 0 ? sqlite3_column_int64(statement, rowidColumn) : 0);
    m_deleted.push_back(0);
}

void RowCache::replace(int row, sqlite3_stmt* statement, int firstColumn)
{
    Cell* cells = rowCells(row);
    for (int column = 0; column < m_columnCount; ++column)
        read(cells[column], statement, firstColumn + column);
}

QByteArrayView RowCache::utf8(int row, int column) const
{
    const Cell& value = cell(row, column);
    if (value.storage != Storage::Text || value.length == 0)
        return {};
    return QByteArrayView(value.text, qsizetype(value.length));
}

} // namespace store
