#pragma once

#include "automation/DispatchObject.h"

class QTableWidget;

// The grid bridge: a program's QTableWidget handed to a component (Grivola) as a
// spreadsheet-like grid control, late-bound, with the runtime's member names (case ignored).
//
// - Row 0 and column 0 are the fixed header row and column: Qt's horizontal and vertical header
//   views, which stay in place while the cells scroll, are drawn as headers and are never
//   edited. TextMatrix(0, c) is the horizontal header's text of column c - 1, TextMatrix(r, 0)
//   the vertical header's of row r - 1 (a header without an item of its own shows its number);
//   the corner cell (0, 0) is kept beside the table. Cell (r, c) from 1 on is the table's item
//   (r - 1, c - 1). So Rows and Cols are the table's counts plus one, FixedRows and FixedCols 1.
// - Row, Col is the current cell and RowSel, ColSel the other corner of the selection, kept for
//   the table and shown by the view (see GridState.h): setting Row or Col inside the selection
//   moves the current cell within it, outside it makes the current cell the whole selection;
//   setting RowSel or ColSel spans the selection from the current cell. SelStartRow, SelEndRow,
//   SelStartCol, SelEndCol are the selection's first and last row and column.
// - Clip reads and fills the selection (see GridClip.h): a larger text goes on past the
//   selection to the grid's edge, a smaller one leaves the rest of the selection.
// - AddItem(item[, index]) inserts a row of tab-separated cells (the first one its header
//   cell) before index, 1 to Rows (at the end when left out); RemoveItem(index) removes a
//   scrollable row but never the last one (30015). Neither renumbers Row or RowSel; they only
//   stay inside the grid.
// - RowHeight(row) and ColWidth(col) are twips (15 per pixel), both read and set; row 0's height
//   is the horizontal header's, column 0's width the vertical header's (fixed once set). Left and
//   Top are the table's position in its parent in twips; TopRow and LeftCol the first scrollable
//   row and column shown, set to scroll (scrolled to its end, the view aligns its last row with
//   the bottom, so the top row shown whole may start a few pixels down). BorderStyle 1 is a one-pixel line around the
//   table (what Grid_Text_Move counts on), 0 none.
// - Redraw false stops the table's repainting (setUpdatesEnabled) until it is true again.
// - CellBackColor and CellForeColor are the current cell's colours as red + 256 * green +
//   65536 * blue; a header cell's colour is its header item's.
// - Text (the default member) is the current cell's text; SetFocus gives the table the focus.
// - An index outside the grid raises 381, a read-only member set 383, a member the grid lacks
//   438, a wrong argument count 450. Once the table is gone every member raises 364.
namespace ui::gridBridge {

automation::ObjectRef grid(QTableWidget& table);

} // namespace ui::gridBridge
