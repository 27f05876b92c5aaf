#pragma once

#include <optional>

#include <QColor>
#include <QString>

#include "ui/GridState.h"

class QTableWidget;
class QTableWidgetItem;

namespace ui {

// The cells of a QTableWidget as a grid numbers them: row 0 is the horizontal header, column 0
// the vertical header, the corner cell lives in the grid's state, and cell (r, c) from 1 on is
// the table's item (r - 1, c - 1). Indexes are not checked here.
class GridCells {
public:
    explicit GridCells(QTableWidget& table);
    // For a caller that has the table's state at hand: finding it costs a look through the
    // table's children.
    GridCells(QTableWidget& table, GridState::Corner& corner);

    int rowCount() const;
    int colCount() const;

    // What the cell shows: a header without an item of its own shows its number.
    QString text(GridCell cell) const;
    void setText(GridCell cell, const QString& text);

    // The colours given to the cell; none when never given.
    std::optional<QColor> backColour(GridCell cell) const;
    std::optional<QColor> foreColour(GridCell cell) const;
    // The colours the cell shows: its own, or the table's.
    QColor shownBackColour(GridCell cell) const;
    QColor shownForeColour(GridCell cell) const;
    void setBackColour(GridCell cell, const QColor& colour);
    void setForeColour(GridCell cell, const QColor& colour);

private:
    static bool isCorner(GridCell cell) { return cell.row == 0 && cell.col == 0; }
    QTableWidgetItem* itemAt(GridCell cell) const;
    QTableWidgetItem& madeItem(GridCell cell);
    std::optional<QColor> colour(GridCell cell, int role) const;
    void setColour(GridCell cell, int role, const QColor& colour);

    QTableWidget& m_table;
    GridState::Corner& m_corner;
};

} // namespace ui
