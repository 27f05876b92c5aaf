#pragma once

class QTableWidget;

// A QTableWidget's sizes, scrolling and border as a grid numbers its rows and columns (row 0
// the horizontal header, column 0 the vertical header), in pixels. Indexes are not checked here.
namespace ui::gridLayout {

// A hidden row, column or header is 0 high or wide.
int rowHeight(const QTableWidget& table, int row);
int colWidth(const QTableWidget& table, int col);
// A header is given a fixed size.
void setRowHeight(QTableWidget& table, int row, int pixels);
void setColWidth(QTableWidget& table, int col, int pixels);

// The first scrollable row and column the view shows whole, from 1.
int topRow(const QTableWidget& table);
int leftCol(const QTableWidget& table);
// Scrolls as far as the view can towards that row or column at the top or left.
void setTopRow(QTableWidget& table, int row);
void setLeftCol(QTableWidget& table, int col);

// 1 for a single line around the table (one pixel), 0 for none.
int borderStyle(const QTableWidget& table);
// 380 (Invalid property value) for any other style.
void setBorderStyle(QTableWidget& table, int style);

} // namespace ui::gridLayout
