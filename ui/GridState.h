#pragma once

#include <optional>

#include <QColor>
#include <QObject>
#include <QString>

class QTableWidget;

namespace ui {

// A cell of the grid: row 0 and column 0 are the table's header row and column.
struct GridCell {
    int row = 0;
    int col = 0;
    bool operator==(const GridCell&) const = default;
};

// What the grid object keeps beside a QTableWidget, one for each table, shared by every object
// made for it: the current cell (Row, Col) and the selection from its anchor to its far corner
// (RowSel, ColSel), as a spreadsheet-like grid control keeps them, and the corner cell, which
// has no place in the table's model.
//
// The view shows the state: its current index is the far corner and its selected range the
// cells from the anchor to it, clipped to the scrollable cells; while the table does not repaint
// the view is brought up to date only when it repaints again. What the user selects in the view
// comes back: the cell where the selection started becomes Row, Col and the moving end
// RowSel, ColSel.
class GridState : public QObject {
    Q_OBJECT

public:
    struct Corner {
        QString text;
        std::optional<QColor> back;
        std::optional<QColor> fore;
    };

    static GridState& of(QTableWidget& table);

    GridCell current() const { return m_current; }
    GridCell far() const { return m_far; }
    int firstRow() const;
    int lastRow() const;
    int firstCol() const;
    int lastCol() const;

    // Inside the selection the current cell moves within it; outside, the current cell becomes
    // the whole selection.
    void setRow(int row);
    void setCol(int col);
    // Spans the selection from the current cell.
    void setRowSel(int row);
    void setColSel(int col);
    // After rows or columns went away: every cell stays inside the grid.
    void keepInside(int rowCount, int colCount);

    Corner& corner() { return m_corner; }

    // Shows the state in the view once the table repaints.
    void showWhenRepainting();

    // Held while the bridge changes the table: the view's signals are not the user's.
    class Change {
    public:
        explicit Change(GridState& state);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        GridState& m_state;
    };

private:
    explicit GridState(QTableWidget& table);

    bool isSelected(GridCell cell) const;
    void changed();
    void show();
    void followView();

    // The cells as the view was last seen to show them; none once rows or columns came or went.
    struct Shown {
        GridCell current;
        GridCell anchor;
        GridCell far;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const { return {m_current, m_anchor, m_far}; }

    QTableWidget& m_table;
    std::optional<Shown> m_shown;
    GridCell m_current{1, 1};
    GridCell m_anchor{1, 1};
    GridCell m_far{1, 1};
    Corner m_corner;
    int m_changing = 0;
    bool m_unshown = false;
};

} // namespace ui
