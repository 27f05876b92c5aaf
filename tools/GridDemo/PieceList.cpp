#include "tools/GridDemo/PieceList.h"

#include <iterator>

#include <QHeaderView>
#include <QTableWidget>

namespace griddemo {

namespace {

struct Piece {
    const char16_t* code;
    const char16_t* description;
    const char16_t* fabric;
    const char16_t* quantity;
    const char16_t* note;
};

constexpr Piece pieces[] = {
    {u"DAV", u"Davanti", u"Lana fredda", u"2", u""},
    {u"DIE", u"Dietro", u"Lana fredda", u"2", u"Cucitura al centro"},
    {u"FIA", u"Fianchetto", u"Lana fredda", u"2", u""},
    {u"MAN", u"Manica sopra", u"Lana fredda", u"2", u""},
    {u"SOT", u"Manica sotto", u"Lana fredda", u"2", u""},
    {u"COL", u"Collo", u"Lana fredda", u"1", u"Sottocollo in panno"},
    {u"REV", u"Paramontura", u"Lana fredda", u"2", u""},
    {u"PAT", u"Pattina tasca", u"Lana fredda", u"2", u""},
    {u"FDA", u"Fodera davanti", u"Viscosa", u"2", u""},
    {u"FDI", u"Fodera dietro", u"Viscosa", u"1", u"Piega di agio"},
    {u"FMA", u"Fodera manica", u"Viscosa", u"4", u""},
    {u"TEL", u"Teletta davanti", u"Adesivo", u"2", u""},
};

constexpr const char16_t* headers[] = {u"Codice", u"Descrizione", u"Tessuto", u"Quantità", u"Note"};
constexpr int emptyRowsAtTheEnd = 3;

QTableWidgetItem* item(const char16_t* text)
{
    return new QTableWidgetItem(QString::fromUtf16(text));
}

} // namespace

void fillPieceList(QTableWidget& table)
{
    constexpr int pieceCount = int(std::size(pieces));
    const int rowCount = pieceCount + 1 + emptyRowsAtTheEnd;
    table.setColumnCount(int(std::size(headers)));
    table.setRowCount(rowCount);
    for (int c = 0; c < table.columnCount(); ++c)
        table.setHorizontalHeaderItem(c, item(headers[c]));
    for (int r = 0; r < pieceCount; ++r) {
        const Piece& piece = pieces[r];
        int c = 0;
        for (const char16_t* text : {piece.code, piece.description, piece.fabric, piece.quantity, piece.note})
            table.setItem(r, c++, item(text));
    }
    // A note, not a piece: renumbering leaves its "NP".
    table.setItem(pieceCount, 1, item(u"Tutti i pezzi in drittofilo"));
    for (int r = 0; r < rowCount; ++r)
        table.setVerticalHeaderItem(
            r, new QTableWidgetItem(r == pieceCount ? QStringLiteral("NP") : QString::number(r + 1)));
    table.setColumnWidth(1, 160);
    table.setColumnWidth(4, 180);
    table.horizontalHeader()->setStretchLastSection(true);
}

} // namespace griddemo
