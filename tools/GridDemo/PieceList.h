#pragma once

class QTableWidget;

namespace griddemo {

// The sample rows: a jacket's pieces, one note row marked "NP" and three empty rows at the end,
// with the column headers and the row numbers in the header column.
void fillPieceList(QTableWidget& table);

} // namespace griddemo
