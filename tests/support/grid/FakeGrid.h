#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "automation/DispatchObject.h"
#include "tests/support/grid/GridPlan.h"

namespace gridtest {

// A spreadsheet-like grid control in plain C++, late-bound by the members Grivola uses. Row and
// column indexes are Longs; an index outside the grid raises 381, a member it lacks 438, a wrong
// argument count 450. How it behaves where such grids differ (the Qt grid bridge does the same):
//
// - Row/Col is the current cell. Setting it to a cell inside the selection moves the current cell
//   within the selection, as a spreadsheet does; setting it to a cell outside makes the current
//   cell the whole selection.
// - RowSel/ColSel is the far corner. Setting it spans the selection from the current cell to it.
//   SelStartRow, SelEndRow, SelStartCol, SelEndCol are the selection's first and last row and column.
// - Clip reads the selected cells, rows joined by a carriage return (13) and cells by a tab (9).
//   Setting Clip fills the grid from the selection's top-left cell: rows break at CR LF, CR or
//   LF (one line break at the very end of the text starts no row), cells at a tab. A text larger
//   than the selection goes on past it and is cut at the grid's last row and column; a smaller
//   one leaves the rest of the selection unchanged. The selection itself does not change.
// - AddItem(item, index) inserts a row of tab-separated cells before index (FixedRows to Rows;
//   left out, at the end); RemoveItem(index) removes a scrollable row, never the last one (30015).
//   Neither renumbers Row or RowSel; they only stay inside the grid.
// - CellBackColor and CellForeColor are the current cell's colours.
class FakeGrid : public automation::DispatchObject {
public:
    explicit FakeGrid(const GridPlan& plan);

    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;

    QList<QStringList> cells() const;
    Selection selection() const;
    std::optional<std::int32_t> backColor(int row, int col) const;
    std::optional<std::int32_t> foreColor(int row, int col) const;
    std::vector<int> rowHeights() const;
    bool redraw() const { return m_redraw; }
    int changesWhileRedrawing() const { return m_changesWhileRedrawing; }
    bool hasFocus() const { return m_focused; }

private:
    struct RowData {
        QStringList cells;
        std::vector<std::optional<std::int32_t>> backColors;
        std::vector<std::optional<std::int32_t>> foreColors;
        int height = GridPlan::defaultRowHeight;
    };
    struct Cell {
        int row = 0;
        int col = 0;
    };

    automation::Variant property(int member, const std::vector<automation::Variant>& indices);
    void setProperty(int member, const std::vector<automation::Variant>& indices, const automation::Variant& value);
    automation::Variant method(int member, const std::vector<automation::Variant>& arguments);

    int rowCount() const { return int(m_rows.size()); }
    int colCount() const { return int(m_colWidths.size()); }
    int rowIndex(const automation::Variant& value) const;
    int colIndex(const automation::Variant& value) const;
    bool isSelected(const Cell& cell) const;
    int firstRow() const;
    int lastRow() const;
    int firstCol() const;
    int lastCol() const;
    QString clip() const;
    void setClip(const QString& text);
    void addItem(const QString& item, int before);
    void removeItem(int index);
    void keepInside(Cell& cell) const;
    void changed();

    std::vector<RowData> m_rows;
    std::vector<int> m_colWidths;
    int m_fixedRows;
    int m_fixedCols;
    int m_topRow;
    int m_leftCol;
    float m_left;
    float m_top;
    int m_borderStyle;
    Cell m_current;
    Cell m_anchor;
    Cell m_far;
    bool m_redraw = true;
    bool m_focused = false;
    int m_changesWhileRedrawing = 0;
};

} // namespace gridtest
