#include "ui/GridCells.h"

#include <QHeaderView>
#include <QTableWidget>

namespace ui {

GridCells::GridCells(QTableWidget& table) : GridCells(table, GridState::of(table).corner()) {}

GridCells::GridCells(QTableWidget& table, GridState::Corner& corner) : m_table(table), m_corner(corner) {}

int GridCells::rowCount() const
{
    return m_table.rowCount() + 1;
}

int GridCells::colCount() const
{
    return m_table.columnCount() + 1;
}

QTableWidgetItem* GridCells::itemAt(GridCell cell) const
{
    if (cell.row == 0)
        return cell.col == 0 ? nullptr : m_table.horizontalHeaderItem(cell.col - 1);
    if (cell.col == 0)
        return m_table.verticalHeaderItem(cell.row - 1);
    return m_table.item(cell.row - 1, cell.col - 1);
}

QTableWidgetItem& GridCells::madeItem(GridCell cell)
{
    if (QTableWidgetItem* item = itemAt(cell))
        return *item;
    auto* item = new QTableWidgetItem;
    // A header keeps showing its number once it has an item of its own.
    if (cell.row == 0 || cell.col == 0)
        item->setText(text(cell));
    if (cell.row == 0)
        m_table.setHorizontalHeaderItem(cell.col - 1, item);
    else if (cell.col == 0)
        m_table.setVerticalHeaderItem(cell.row - 1, item);
    else
        m_table.setItem(cell.row - 1, cell.col - 1, item);
    return *item;
}

QString GridCells::text(GridCell cell) const
{
    if (isCorner(cell))
        return m_corner.text;
    if (cell.row == 0)
        return m_table.model()->headerData(cell.col - 1, Qt::Horizontal).toString();
    if (cell.col == 0)
        return m_table.model()->headerData(cell.row - 1, Qt::Vertical).toString();
    const QTableWidgetItem* item = m_table.item(cell.row - 1, cell.col - 1);
    return item ? item->text() : QString();
}

void GridCells::setText(GridCell cell, const QString& text)
{
    if (isCorner(cell))
        m_corner.text = text;
    else
        madeItem(cell).setText(text);
}

std::optional<QColor> GridCells::colour(GridCell cell, int role) const
{
    if (isCorner(cell))
        return role == Qt::BackgroundRole ? m_corner.back : m_corner.fore;
    const QTableWidgetItem* item = itemAt(cell);
    const QVariant value = item ? item->data(role) : QVariant();
    if (!value.isValid())
        return std::nullopt;
    return value.value<QBrush>().color();
}

void GridCells::setColour(GridCell cell, int role, const QColor& colour)
{
    if (isCorner(cell))
        (role == Qt::BackgroundRole ? m_corner.back : m_corner.fore) = colour;
    else
        madeItem(cell).setData(role, QBrush(colour));
}

std::optional<QColor> GridCells::backColour(GridCell cell) const
{
    return colour(cell, Qt::BackgroundRole);
}

std::optional<QColor> GridCells::foreColour(GridCell cell) const
{
    return colour(cell, Qt::ForegroundRole);
}

QColor GridCells::shownBackColour(GridCell cell) const
{
    if (const std::optional<QColor> own = backColour(cell))
        return *own;
    if (cell.row == 0 || cell.col == 0)
        return m_table.horizontalHeader()->palette().color(QPalette::Button);
    return m_table.palette().color(QPalette::Base);
}

QColor GridCells::shownForeColour(GridCell cell) const
{
    if (const std::optional<QColor> own = foreColour(cell))
        return *own;
    if (cell.row == 0 || cell.col == 0)
        return m_table.horizontalHeader()->palette().color(QPalette::ButtonText);
    return m_table.palette().color(QPalette::Text);
}

void GridCells::setBackColour(GridCell cell, const QColor& colour)
{
    setColour(cell, Qt::BackgroundRole, colour);
}

void GridCells::setForeColour(GridCell cell, const QColor& colour)
{
    setColour(cell, Qt::ForegroundRole, colour);
}

} // namespace ui
