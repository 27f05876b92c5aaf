#pragma once

#include <vector>

#include <QList>
#include <QStringList>

namespace gridtest {

// The grid's current cell (Row, Col) and the other corner of its selection (RowSel, ColSel).
struct Selection {
    int row = 1;
    int col = 1;
    int rowSel = 1;
    int colSel = 1;
    bool operator==(const Selection&) const = default;
};

// A grid to make for a test: its cells row by row (row 0 the header row, cell 0 of each row the
// header column; every row as long as row 0), its selection and its layout in twips.
struct GridPlan {
    QList<QStringList> cells;
    Selection selection;
    int fixedRows = 1;
    int fixedCols = 1;
    std::vector<int> rowHeights; // empty: defaultRowHeight for every row
    std::vector<int> colWidths;  // empty: defaultColWidth for every column
    int left = 0;
    int top = 0;
    int borderStyle = 1;
    int topRow = 1; // the first visible scrollable row and column
    int leftCol = 1;
    bool redraw = true;

    static constexpr int defaultRowHeight = 240;
    static constexpr int defaultColWidth = 960;
};

} // namespace gridtest
