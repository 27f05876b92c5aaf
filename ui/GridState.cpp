#include "ui/GridState.h"

#include <algorithm>

#include <QTableWidget>

namespace ui {

namespace {

bool redrawing(const QTableWidget& table)
{
    return !table.testAttribute(Qt::WA_ForceUpdatesDisabled);
}

} // namespace

GridState& GridState::of(QTableWidget& table)
{
    if (auto* state = table.findChild<GridState*>(QString(), Qt::FindDirectChildrenOnly))
        return *state;
    return *new GridState(table);
}

GridState::GridState(QTableWidget& table) : QObject(&table), m_table(table)
{
    followView();
    keepInside(table.rowCount() + 1, table.columnCount() + 1);
    QItemSelectionModel* selection = table.selectionModel();
    connect(selection, &QItemSelectionModel::currentChanged, this, [this] {
        if (m_changing == 0)
            followView();
    });
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_changing == 0)
            followView();
    });
    for (auto removed : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::columnsRemoved})
        connect(table.model(), removed, this, [this] {
            if (m_changing == 0)
                keepInside(m_table.rowCount() + 1, m_table.columnCount() + 1);
        });
    for (auto moved : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::columnsInserted,
                       &QAbstractItemModel::rowsRemoved, &QAbstractItemModel::columnsRemoved})
        connect(table.model(), moved, this, [this] { m_shown.reset(); });
}

int GridState::firstRow() const
{
    return std::min(m_anchor.row, m_far.row);
}

int GridState::lastRow() const
{
    return std::max(m_anchor.row, m_far.row);
}

int GridState::firstCol() const
{
    return std::min(m_anchor.col, m_far.col);
}

int GridState::lastCol() const
{
    return std::max(m_anchor.col, m_far.col);
}

bool GridState::isSelected(GridCell cell) const
{
    return cell.row >= firstRow() && cell.row <= lastRow() && cell.col >= firstCol() && cell.col <= lastCol();
}

void GridState::setRow(int row)
{
    m_current.row = row;
    if (!isSelected(m_current))
        m_anchor = m_far = m_current;
    changed();
}

void GridState::setCol(int col)
{
    m_current.col = col;
    if (!isSelected(m_current))
        m_anchor = m_far = m_current;
    changed();
}

void GridState::setRowSel(int row)
{
    m_far.row = row;
    m_anchor = m_current;
    changed();
}

void GridState::setColSel(int col)
{
    m_far.col = col;
    m_anchor = m_current;
    changed();
}

void GridState::keepInside(int rowCount, int colCount)
{
    for (GridCell* cell : {&m_current, &m_anchor, &m_far}) {
        cell->row = std::max(0, std::min(cell->row, rowCount - 1));
        cell->col = std::max(0, std::min(cell->col, colCount - 1));
    }
    changed();
}

void GridState::changed()
{
    m_unshown = true;
}

// A command that puts the current cell back where it found it (GridCellColor on every row) does
// not make the view select again.
void GridState::showWhenRepainting()
{
    if (!m_unshown || !redrawing(m_table))
        return;
    if (m_shown == shown())
        m_unshown = false;
    else
        show();
}

// The view is not scrolled: a grid scrolls only when its program sets TopRow or LeftCol.
void GridState::show()
{
    m_unshown = false;
    ++m_changing;
    QAbstractItemModel* model = m_table.model();
    QItemSelection selection;
    const int top = std::max(firstRow(), 1) - 1;
    const int left = std::max(firstCol(), 1) - 1;
    const int bottom = std::min(lastRow(), m_table.rowCount()) - 1;
    const int right = std::min(lastCol(), m_table.columnCount()) - 1;
    if (top <= bottom && left <= right)
        selection.select(model->index(top, left), model->index(bottom, right));
    const bool scrolls = m_table.hasAutoScroll();
    m_table.setAutoScroll(false);
    const QModelIndex far =
        m_far.row >= 1 && m_far.col >= 1 ? model->index(m_far.row - 1, m_far.col - 1) : QModelIndex();
    m_table.selectionModel()->setCurrentIndex(far, QItemSelectionModel::NoUpdate);
    m_table.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_table.setAutoScroll(scrolls);
    m_shown = shown();
    --m_changing;
}

void GridState::followView()
{
    const QModelIndex index = m_table.selectionModel()->currentIndex();
    if (!index.isValid())
        return;
    const GridCell far{index.row() + 1, index.column() + 1};
    GridCell anchor = far;
    for (const QTableWidgetSelectionRange& range : m_table.selectedRanges()) {
        if (index.row() < range.topRow() || index.row() > range.bottomRow() || index.column() < range.leftColumn() ||
            index.column() > range.rightColumn())
            continue;
        anchor.row = (index.row() == range.topRow() ? range.bottomRow() : range.topRow()) + 1;
        anchor.col = (index.column() == range.leftColumn() ? range.rightColumn() : range.leftColumn()) + 1;
        break;
    }
    m_current = m_anchor = anchor;
    m_far = far;
    m_unshown = false;
    m_shown = shown();
}

GridState::Change::Change(GridState& state) : m_state(state)
{
    ++m_state.m_changing;
}

GridState::Change::~Change()
{
    if (--m_state.m_changing == 0)
        m_state.showWhenRepainting();
}

} // namespace ui
