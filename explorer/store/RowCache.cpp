#include "explorer/store/RowCache.h"

#include <sqlite3.h>

namespace store {

void RowCache::read(Cell& target, sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        target.storage = Storage::Null;
        break;
    case SQLITE_INTEGER:
        target.storage = Storage::Integer;
        target.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        target.storage = Storage::Real;
        target.real = sqlite3_column_double(statement, column);
        break;
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        const int length = sqlite3_column_bytes(statement, column);
        target.storage = Storage::Text;
        target.offset = m_texts.size();
        target.length = std::uint32_t(length);
        if (length > 0)
            m_texts.append(bytes, std::size_t(length));
        break;
    }
    }
}

void RowCache::append(sqlite3_stmt* statement, int firstColumn, int rowidColumn)
{
    const std::size_t start = m_cells.size();
    m_cells.resize(start + std::size_t(m_columnCount));
    for (int column = 0; column < m_columnCount; ++column)
        read(m_cells[start + std::size_t(column)], statement, firstColumn + column);
    m_rowids.push_back(rowidColumn >= 0 ? sqlite3_column_int64(statement, rowidColumn) : 0);
    m_deleted.push_back(0);
}

void RowCache::replace(int row, sqlite3_stmt* statement, int firstColumn)
{
    const std::size_t start = std::size_t(row) * std::size_t(m_columnCount);
    for (int column = 0; column < m_columnCount; ++column)
        read(m_cells[start + std::size_t(column)], statement, firstColumn + column);
}

QByteArrayView RowCache::utf8(int row, int column) const
{
    const Cell& value = cell(row, column);
    if (value.storage != Storage::Text || value.length == 0)
        return {};
    return QByteArrayView(m_texts.data() + value.offset, qsizetype(value.length));
}

QString RowCache::text(int row, int column) const
{
    return QString::fromUtf8(utf8(row, column));
}

} // namespace store
