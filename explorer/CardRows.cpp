#include "explorer/CardRows.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include <QStringEncoder>

namespace explorer {

namespace {

// UTF-8 bytes compare in code point order; UTF-16 puts U+E000..U+FFFF (lead bytes 0xEE, 0xEF)
// after the supplementary planes (lead bytes 0xF0..0xF4), whose surrogates come first.
int utf16Rank(unsigned char byte)
{
    return byte == 0xEE || byte == 0xEF ? byte + 0x10 : byte;
}

} // namespace

CardRows::CardRows() : m_ends{0} {}

void CardRows::reserve(qsizetype rows)
{
    m_ends.reserve(std::size_t(rows) * columnCount + 1);
}

void CardRows::append(const Texts& texts)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    for (const QString& text : texts) {
        const qsizetype start = m_text.size();
        m_text.resize(start + encoder.requiredSpace(text.size()));
        const char* end = encoder.appendToBuffer(m_text.data() + start, text);
        m_text.truncate(end - m_text.constData());
        if (m_text.size() > qsizetype(UINT32_MAX))
            throw std::length_error("the card list's texts exceed 4 GB");
        m_ends.push_back(std::uint32_t(m_text.size()));
    }
}

void CardRows::append(const CardRows& other)
{
    const std::uint32_t base = m_ends.back();
    if (qsizetype(base) + other.m_text.size() > qsizetype(UINT32_MAX))
        throw std::length_error("the card list's texts exceed 4 GB");
    m_text.append(other.m_text);
    m_ends.reserve(m_ends.size() + other.m_ends.size() - 1);
    std::transform(other.m_ends.begin() + 1, other.m_ends.end(), std::back_inserter(m_ends),
                   [base](std::uint32_t end) { return base + end; });
}

void CardRows::clear()
{
    m_text = QByteArray();
    m_ends = {0};
}

void CardRows::squeeze()
{
    m_text.squeeze();
    m_ends.shrink_to_fit();
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

} // namespace explorer
