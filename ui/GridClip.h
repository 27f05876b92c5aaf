#pragma once

#include <QString>

namespace ui {

class GridCells;
class GridState;

// A grid's Clip: the text of its selected cells, rows joined by a carriage return (13) and
// cells by a tab (9).
namespace gridClip {

QString text(const GridCells& cells, const GridState& state);

// Fills the grid from the selection's top-left cell. Rows break at CR LF, CR or LF, so that rows
// copied from a spreadsheet paste as rows (one line break at the very end of the text starts no
// row); cells break at a tab. A text larger than the selection goes on past it and is cut at the
// grid's last row and column; a smaller one leaves the rest of the selection as it was. The
// selection does not change.
void fill(GridCells& cells, const GridState& state, const QString& text);

} // namespace gridClip

} // namespace ui
