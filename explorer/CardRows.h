#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace explorer {

// The card list's texts, six cells a row, kept as UTF-8 in one arena with 32-bit offsets: a list
// of hundreds of thousands of cards holds no string or item object per cell.
class CardRows {
public:
    static constexpr int columnCount = 6;
    using Texts = std::array<QString, columnCount>;

    CardRows();

    void reserve(qsizetype rows);
    void append(const Texts& texts);
    // Adds other's rows after these.
    void append(const CardRows& other);
    void clear();
    // Gives back the room kept for rows to come.
    void squeeze();

    qsizetype count() const { return qsizetype(m_ends.size() - 1) / columnCount; }
    QString text(qsizetype row, int column) const { return QString::fromUtf8(utf8(row, column)); }
    QByteArrayView utf8(qsizetype row, int column) const
    {
        const std::size_t cell = std::size_t(row) * columnCount + std::size_t(column);
        return QByteArrayView(m_text.constData() + m_ends[cell], qsizetype(m_ends[cell + 1] - m_ends[cell]));
    }
    // The order QString::compare gives the texts, case-sensitively, by UTF-16 code units.
    bool less(qsizetype row, qsizetype otherRow, int column) const;

private:
    QByteArray m_text;
    // Where each cell ends in m_text, after a leading 0: cell i spans [m_ends[i], m_ends[i + 1]).
    std::vector<std::uint32_t> m_ends;
};

} // namespace explorer
