#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace explorer {

// The card list's texts, six cells a row, kept as UTF-8 in one arena, each text once with its
// length before it, and each cell a 32-bit offset to its text: a list of hundreds of thousands
// of cards holds no string or item object per cell, and the texts that repeat from card to card
// (a collection, a garment, a size range) are held once.
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
    // Gives back the room kept for rows to come; texts added later are no longer matched with
    // those already held.
    void squeeze();

    qsizetype count() const { return qsizetype(m_cells.size()) / columnCount; }
    QString text(qsizetype row, int column) const { return QString::fromUtf8(utf8(row, column)); }
    QByteArrayView utf8(qsizetype row, int column) const
    {
        return stored(m_cells[std::size_t(row) * columnCount + std::size_t(column)]);
    }
    // The order QString::compare gives the texts, case-sensitively, by UTF-16 code units.
    bool less(qsizetype row, qsizetype otherRow, int column) const;

private:
    // The texts of one column seen so far, by their offsets, to find a repeated text; an open
    // addressed table, bounded, so that a column of unique texts (the keys) costs little.
    struct Seen {
        std::vector<std::uint32_t> slots;
        qsizetype used = 0;
    };

    QByteArrayView stored(std::uint32_t offset) const;
    void appendCell(int column, QByteArrayView text);
    // The offset of text stored earlier in the column, or of text stored now.
    std::uint32_t store(int column, QByteArrayView text);
    void remember(Seen& seen, std::uint32_t offset) const;

    QByteArray m_text;
    std::vector<std::uint32_t> m_cells;
    std::array<Seen, columnCount> m_seen;
};

} // namespace explorer
