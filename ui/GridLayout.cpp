#include "ui/GridLayout.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace ui::gridLayout {

namespace {

// The size the view gives its header when it lays itself out.
int headerHeight(const QHeaderView& header)
{
    if (header.isHidden())
        return 0;
    return std::clamp(header.sizeHint().height(), header.minimumHeight(), header.maximumHeight());
}

int headerWidth(const QHeaderView& header)
{
    if (header.isHidden())
        return 0;
    return std::clamp(header.sizeHint().width(), header.minimumWidth(), header.maximumWidth());
}

void scrollTo(QScrollBar& bar, QAbstractItemView::ScrollMode mode, const QHeaderView& header, int section)
{
    bar.setValue(mode == QAbstractItemView::ScrollPerItem ? header.visualIndex(section)
                                                          : header.sectionPosition(section));
}

} // namespace

int rowHeight(const QTableWidget& table, int row)
{
    return row == 0 ? headerHeight(*table.horizontalHeader()) : table.rowHeight(row - 1);
}

int colWidth(const QTableWidget& table, int col)
{
    return col == 0 ? headerWidth(*table.verticalHeader()) : table.columnWidth(col - 1);
}

void setRowHeight(QTableWidget& table, int row, int pixels)
{
    if (row == 0)
        table.horizontalHeader()->setFixedHeight(pixels);
    else
        table.setRowHeight(row - 1, pixels);
}

void setColWidth(QTableWidget& table, int col, int pixels)
{
    if (col == 0)
        table.verticalHeader()->setFixedWidth(pixels);
    else
        table.setColumnWidth(col - 1, pixels);
}

// Scrolled to its end, the view shows the last row whole and the one at the top in part: the
// first row shown whole is the top one.
int topRow(const QTableWidget& table)
{
    int row = table.rowAt(0);
    if (row < 0)
        return 1;
    if (table.rowViewportPosition(row) < 0 && row + 1 < table.rowCount())
        ++row;
    return row + 1;
}

int leftCol(const QTableWidget& table)
{
    int col = table.columnAt(0);
    if (col < 0)
        return 1;
    if (table.columnViewportPosition(col) < 0 && col + 1 < table.columnCount())
        ++col;
    return col + 1;
}

void setTopRow(QTableWidget& table, int row)
{
    table.doItemsLayout();
    scrollTo(*table.verticalScrollBar(), table.verticalScrollMode(), *table.verticalHeader(), row - 1);
}

void setLeftCol(QTableWidget& table, int col)
{
    table.doItemsLayout();
    scrollTo(*table.horizontalScrollBar(), table.horizontalScrollMode(), *table.horizontalHeader(), col - 1);
}

int borderStyle(const QTableWidget& table)
{
    return table.frameShape() == QFrame::NoFrame ? 0 : 1;
}

void setBorderStyle(QTableWidget& table, int style)
{
    if (style == 0) {
        table.setFrameShape(QFrame::NoFrame);
        return;
    }
    if (style != 1)
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    table.setFrameStyle(QFrame::Box | QFrame::Plain);
    table.setLineWidth(1);
}

} // namespace ui::gridLayout
