#include "explorer/CardRows.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include <QHashFunctions>
#include <QStringEncoder>
#include <QVarLengthArray>

namespace explorer {

namespace {

constexpr std::uint32_t emptySlot = std::numeric_limits<std::uint32_t>::max();
// Texts a column remembers at most; past them a text is stored again even when it repeats.
constexpr qsizetype seenBound = 4096;

// UTF-8 bytes compare in code point order; UTF-16 puts U+E000..U+FFFF (lead bytes 0xEE, 0xEF)
// after the supplementary planes (lead bytes 0xF0..0xF4), whose surrogates come first.
int utf16Rank(unsigned char byte)
{
    return byte == 0xEE || byte == 0xEF ? byte + 0x10 : byte;
}

std::size_t slotOf(QByteArrayView text, std::size_t slotCount)
{
    return std::size_t(qHash(text)) & (slotCount - 1);
}

} // namespace

CardRows::CardRows() = default;

void CardRows::reserve(qsizetype rows)
{
    m_cells.reserve(std::size_t(rows) * columnCount);
}

void CardRows::append(const Texts& texts)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QVarLengthArray<char, 512> utf8;
    for (int column = 0; column < columnCount; ++column) {
        const QString& text = texts[std::size_t(column)];
        utf8.resize(encoder.requiredSpace(text.size()));
        const char* end = encoder.appendToBuffer(utf8.data(), text);
        appendCell(column, QByteArrayView(utf8.constData(), end - utf8.constData()));
    }
}

void CardRows::append(const CardRows& other)
{
    m_cells.reserve(m_cells.size() + other.m_cells.size());
    for (qsizetype row = 0; row < other.count(); ++row) {
        for (int column = 0; column < columnCount; ++column)
            appendCell(column, other.utf8(row, column));
    }
}

void CardRows::clear()
{
    *this = CardRows();
}

void CardRows::squeeze()
{
    m_text.squeeze();
    m_cells.shrink_to_fit();
    m_seen = {};
}

bool CardRows::less(qsizetype row, qsizetype otherRow, int column) const
{
    const QByteArrayView left = utf8(row, column);
    const QByteArrayView right = utf8(otherRow, column);
    const auto [leftEnd, rightEnd] = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
    if (rightEnd == right.end())
        return false;
    if (leftEnd == left.end())
        return true;
    return utf16Rank(static_cast<unsigned char>(*leftEnd)) < utf16Rank(static_cast<unsigned char>(*rightEnd));
}

// A text's length comes first, seven bits a byte, the last byte's high bit clear.
QByteArrayView CardRows::stored(std::uint32_t offset) const
{
    const auto* byte = reinterpret_cast<const unsigned char*>(m_text.constData()) + offset;
    qsizetype length = 0;
    for (int shift = 0;; shift += 7) {
        length |= qsizetype(*byte & 0x7F) << shift;
        if ((*byte++ & 0x80) == 0)
            break;
    }
    return QByteArrayView(reinterpret_cast<const char*>(byte), length);
}

void CardRows::appendCell(int column, QByteArrayView text)
{
    m_cells.push_back(store(column, text));
}

std::uint32_t CardRows::store(int column, QByteArrayView text)
{
    Seen& seen = m_seen[std::size_t(column)];
    if (!seen.slots.empty()) {
        for (std::size_t slot = slotOf(text, seen.slots.size());; slot = (slot + 1) & (seen.slots.size() - 1)) {
            const std::uint32_t offset = seen.slots[slot];
            if (offset == emptySlot)
                break;
            if (stored(offset) == text)
                return offset;
        }
    }
    const qsizetype offset = m_text.size();
    if (offset + text.size() + 8 > qsizetype(std::numeric_limits<std::uint32_t>::max()))
        throw std::length_error("the card list's texts exceed 4 GB");
    for (qsizetype length = text.size();; length >>= 7) {
        const char byte = char((length & 0x7F) | (length > 0x7F ? 0x80 : 0));
        m_text.append(byte);
        if (length <= 0x7F)
            break;
    }
    m_text.append(text);
    if (seen.used < seenBound)
        remember(seen, std::uint32_t(offset));
    return std::uint32_t(offset);
}

void CardRows::remember(Seen& seen, std::uint32_t offset) const
{
    // Kept at most half full, so that a probe ends soon at an empty slot.
    if (std::size_t(seen.used + 1) * 2 > seen.slots.size()) {
        std::vector<std::uint32_t> old(std::max<std::size_t>(16, seen.slots.size() * 2), emptySlot);
        old.swap(seen.slots);
        seen.used = 0;
        for (const std::uint32_t kept : old) {
            if (kept != emptySlot)
                remember(seen, kept);
        }
    }
    std::size_t slot = slotOf(stored(offset), seen.slots.size());
    while (seen.slots[slot] != emptySlot)
        slot = (slot + 1) & (seen.slots.size() - 1);
    seen.slots[slot] = offset;
    ++seen.used;
}

} // namespace explorer
