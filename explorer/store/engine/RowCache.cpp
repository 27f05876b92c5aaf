#include "explorer/store/engine/RowCache.h"

#include <algorithm>
#include <utility>

#include <QStringDecoder>

#include <sqlite3.h>

#include "explorer/store/engine/TextBlockPool.h"

namespace store {

namespace {

const std::size_t firstTextBlock = 1024;
const std::size_t largestTextBlock = 32 * 1024; // 64 KB: below the size malloc maps on its own

// Copies the leading ASCII of utf8 into out; returns how many bytes that was. Most texts of the
// archives are ASCII, and widening it is far cheaper than decoding UTF-8.
std::size_t widenAscii(const char* utf8, std::size_t length, char16_t* out)
{
    std::size_t done = 0;
    while (done < length && static_cast<unsigned char>(utf8[done]) < 0x80) {
        out[done] = char16_t(static_cast<unsigned char>(utf8[done]));
        ++done;
    }
    return done;
}

} // namespace

RowCache& RowCache::operator=(RowCache&& other) noexcept
{
    if (this != &other) {
        giveBackTextBlocks();
        m_columnCount = other.m_columnCount;
        m_cellBlocks = std::move(other.m_cellBlocks);
        m_rowids = std::move(other.m_rowids);
        m_flags = std::move(other.m_flags);
        m_textBlocks = std::move(other.m_textBlocks);
        m_textUsed = std::exchange(other.m_textUsed, 0);
        m_textCapacity = std::exchange(other.m_textCapacity, 0);
    }
    return *this;
}

RowCache::~RowCache()
{
    giveBackTextBlocks();
}

void RowCache::giveBackTextBlocks()
{
    for (QString::DataPointer& block : m_textBlocks)
        TextBlockPool::giveBack(std::move(block));
    m_textBlocks.clear();
}

void RowCache::startTextBlock(std::size_t needed)
{
    const std::size_t grown = m_textBlocks.empty() ? firstTextBlock : std::min(m_textCapacity * 2, largestTextBlock);
    m_textBlocks.push_back(TextBlockPool::take(qsizetype(std::max(grown, needed))));
    m_textCapacity = std::size_t(m_textBlocks.back().constAllocatedCapacity());
    m_textUsed = 0;
}

void RowCache::keep(Cell& target, const char* utf8, std::size_t length)
{
    // UTF-16 never needs more code units than UTF-8 has bytes; one more ends the text with a
    // NUL, as QString::utf16() promises.
    if (m_textBlocks.empty() || m_textUsed + length + 1 > m_textCapacity)
        startTextBlock(length + 1);
    char16_t* const out = m_textBlocks.back().data() + m_textUsed;
    const std::size_t ascii = widenAscii(utf8, length, out);
    std::size_t written = ascii;
    if (ascii < length) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QChar* end = decoder.appendToBuffer(reinterpret_cast<QChar*>(out + ascii),
                                                  QByteArrayView(utf8 + ascii, qsizetype(length - ascii)));
        written = std::size_t(end - reinterpret_cast<const QChar*>(out));
    }
    out[written] = u'\0';
    target.length = std::uint32_t(written);
    target.text.block = std::uint32_t(m_textBlocks.size() - 1);
    target.text.offset = std::uint32_t(m_textUsed);
    m_textUsed += written + 1;
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
        keep(target, bytes, std::size_t(length));
        break;
    }
    }
}

void RowCache::addRow(qint64 rowid, std::uint8_t flags)
{
    if (rowCount() % rowsPerBlock == 0)
        m_cellBlocks.emplace_back(sizeof(Cell) * std::size_t(rowsPerBlock) * std::size_t(m_columnCount));
    m_rowids.push_back(rowid);
    m_flags.push_back(flags);
}

void RowCache::append(sqlite3_stmt* statement, int firstColumn, int rowidColumn)
{
    addRow(rowidColumn >= 0 ? sqlite3_column_int64(statement, rowidColumn) : 0, 0);
    replace(rowCount() - 1, statement, firstColumn);
}

void RowCache::appendPending(qint64 rowid)
{
    addRow(rowid, pending);
}

void RowCache::replace(int row, sqlite3_stmt* statement, int firstColumn)
{
    Cell* cells = rowCells(row);
    for (int column = 0; column < m_columnCount; ++column)
        read(cells[column], statement, firstColumn + column);
    m_flags[std::size_t(row)] &= std::uint8_t(~pending);
}

QStringView RowCache::textView(int row, int column) const
{
    const Cell& value = cell(row, column);
    if (value.storage != Storage::Text)
        return {};
    const QString::DataPointer& block = m_textBlocks[value.text.block];
    return QStringView(block.data() + value.text.offset, qsizetype(value.length));
}

QString RowCache::text(int row, int column) const
{
    const Cell& value = cell(row, column);
    if (value.storage != Storage::Text || value.length == 0)
        return QStringLiteral("");
    // A string sharing the block: it holds a reference of its own, so it outlives the cache.
    QString::DataPointer& block = const_cast<QString::DataPointer&>(m_textBlocks[value.text.block]);
    QString::DataPointer slice(block.d_ptr(), block.data() + value.text.offset, qsizetype(value.length));
    slice.ref();
    return QString(std::move(slice));
}

} // namespace store
