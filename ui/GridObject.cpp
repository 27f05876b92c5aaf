#include "ui/GridObject.h"

#include <string_view>

#include "interaction/Twips.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "ui/ColourValue.h"
#include "ui/GridCells.h"
#include "ui/GridClip.h"
#include "ui/GridLayout.h"
#include "ui/GridState.h"
#include "ui/WidgetTwips.h"

namespace ui {

namespace {

using automation::InvokeKind;
using automation::Variant;
using interaction::twips::fromPixels;
using interaction::twips::toPixels;

constexpr int cannotRemoveLastRow = 30015;

// Text is the default member, as the runtime's grid controls have it.
enum Member {
    Text,
    Row,
    Col,
    RowSel,
    ColSel,
    SelStartRow,
    SelEndRow,
    SelStartCol,
    SelEndCol,
    Rows,
    Cols,
    FixedRows,
    FixedCols,
    TopRow,
    LeftCol,
    RowHeight,
    ColWidth,
    Left,
    Top,
    BorderStyle,
    TextMatrix,
    Clip,
    Redraw,
    CellBackColor,
    CellForeColor,
    AddItem,
    RemoveItem,
    SetFocus,
    memberCount
};

constexpr std::u16string_view memberNames[memberCount] = {
    u"Text",        u"Row",       u"Col",           u"RowSel",        u"ColSel",    u"SelStartRow", u"SelEndRow",
    u"SelStartCol", u"SelEndCol", u"Rows",          u"Cols",          u"FixedRows", u"FixedCols",   u"TopRow",
    u"LeftCol",     u"RowHeight", u"ColWidth",      u"Left",          u"Top",       u"BorderStyle", u"TextMatrix",
    u"Clip",        u"Redraw",    u"CellBackColor", u"CellForeColor", u"AddItem",   u"RemoveItem",  u"SetFocus",
};

int indexCount(int member)
{
    switch (member) {
    case RowHeight:
    case ColWidth:
        return 1;
    case TextMatrix:
        return 2;
    default:
        return 0;
    }
}

bool isMethod(int member)
{
    return member == AddItem || member == RemoveItem || member == SetFocus;
}

bool isReadOnly(int member)
{
    switch (member) {
    case SelStartRow:
    case SelEndRow:
    case SelStartCol:
    case SelEndCol:
    case Rows:
    case Cols:
    case FixedRows:
    case FixedCols:
        return true;
    default:
        return false;
    }
}

Variant twips(int pixels)
{
    return Variant::fromLong(fromPixels(pixels));
}

// A size in twips, as whole pixels; 380 below zero.
int sizeInPixels(const Variant& value)
{
    const std::int32_t size = value.toLong();
    if (size < 0)
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    return toPixels(size);
}

} // namespace

GridObject::GridObject(QTableWidget& table) : m_table(&table), m_state(GridState::of(table)) {}

QTableWidget& GridObject::table() const
{
    if (!m_table)
        throw platform::RuntimeError(platform::ObjectWasUnloaded);
    return *m_table;
}

int GridObject::idOfName(const QString& name) const
{
    const QStringView wanted(name);
    for (int member = 0; member < memberCount; ++member) {
        const std::u16string_view candidate = memberNames[member];
        if (qsizetype(candidate.size()) == wanted.size() &&
            wanted.compare(QStringView(candidate), Qt::CaseInsensitive) == 0)
            return member;
    }
    return unknownName;
}

Variant GridObject::invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments)
{
    table();
    if (dispatchId < 0 || dispatchId >= memberCount)
        throw platform::RuntimeError(platform::MemberNotFound);
    const GridState::Change change(m_state);
    if (isMethod(dispatchId)) {
        if (kind == InvokeKind::PropertyPut)
            throw platform::RuntimeError(platform::MemberNotFound);
        return method(dispatchId, arguments);
    }
    const std::size_t indices = std::size_t(indexCount(dispatchId));
    if (kind == InvokeKind::PropertyPut) {
        if (isReadOnly(dispatchId))
            throw platform::RuntimeError(platform::ReadOnlyProperty);
        if (arguments.size() != indices + 1)
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        setProperty(dispatchId, arguments, arguments.back());
        return Variant();
    }
    if (arguments.size() != indices)
        throw platform::RuntimeError(platform::WrongNumberOfArguments);
    return property(dispatchId, arguments);
}

int GridObject::rowIndex(const Variant& value) const
{
    const std::int32_t row = value.toLong();
    if (row < 0 || row > table().rowCount())
        throw platform::RuntimeError(platform::InvalidPropertyArrayIndex);
    return row;
}

int GridObject::colIndex(const Variant& value) const
{
    const std::int32_t col = value.toLong();
    if (col < 0 || col > table().columnCount())
        throw platform::RuntimeError(platform::InvalidPropertyArrayIndex);
    return col;
}

Variant GridObject::property(int member, const std::vector<Variant>& indices)
{
    QTableWidget& grid = table();
    GridCells cells(grid, m_state.corner());
    switch (member) {
    case Text:
        return Variant(cells.text(m_state.current()));
    case Row:
        return Variant::fromLong(m_state.current().row);
    case Col:
        return Variant::fromLong(m_state.current().col);
    case RowSel:
        return Variant::fromLong(m_state.far().row);
    case ColSel:
        return Variant::fromLong(m_state.far().col);
    case SelStartRow:
        return Variant::fromLong(m_state.firstRow());
    case SelEndRow:
        return Variant::fromLong(m_state.lastRow());
    case SelStartCol:
        return Variant::fromLong(m_state.firstCol());
    case SelEndCol:
        return Variant::fromLong(m_state.lastCol());
    case Rows:
        return Variant::fromLong(cells.rowCount());
    case Cols:
        return Variant::fromLong(cells.colCount());
    case FixedRows:
    case FixedCols:
        return Variant::fromLong(1);
    case TopRow:
        return Variant::fromLong(gridLayout::topRow(grid));
    case LeftCol:
        return Variant::fromLong(gridLayout::leftCol(grid));
    case RowHeight:
        return twips(gridLayout::rowHeight(grid, rowIndex(indices[0])));
    case ColWidth:
        return twips(gridLayout::colWidth(grid, colIndex(indices[0])));
    case Left:
        return Variant::fromSingle(float(widgetTwips::left(grid)));
    case Top:
        return Variant::fromSingle(float(widgetTwips::top(grid)));
    case BorderStyle:
        return Variant::fromInteger(std::int16_t(gridLayout::borderStyle(grid)));
    case TextMatrix: {
        const int row = rowIndex(indices[0]);
        return Variant(cells.text({row, colIndex(indices[1])}));
    }
    case Clip:
        return Variant(gridClip::text(cells, m_state));
    case Redraw:
        return Variant::fromBoolean(!grid.testAttribute(Qt::WA_ForceUpdatesDisabled));
    case CellBackColor:
        return Variant::fromLong(colourValue::of(cells.shownBackColour(m_state.current())));
    case CellForeColor:
        return Variant::fromLong(colourValue::of(cells.shownForeColour(m_state.current())));
    default:
        throw platform::RuntimeError(platform::MemberNotFound);
    }
}

void GridObject::setProperty(int member, const std::vector<Variant>& indices, const Variant& value)
{
    QTableWidget& grid = table();
    GridCells cells(grid, m_state.corner());
    switch (member) {
    case Text:
        cells.setText(m_state.current(), value.toString());
        return;
    case Row:
        m_state.setRow(rowIndex(value));
        return;
    case Col:
        m_state.setCol(colIndex(value));
        return;
    case RowSel:
        m_state.setRowSel(rowIndex(value));
        return;
    case ColSel:
        m_state.setColSel(colIndex(value));
        return;
    case TopRow: {
        const int row = rowIndex(value);
        if (row < 1)
            throw platform::RuntimeError(platform::InvalidPropertyValue);
        gridLayout::setTopRow(grid, row);
        return;
    }
    case LeftCol: {
        const int col = colIndex(value);
        if (col < 1)
            throw platform::RuntimeError(platform::InvalidPropertyValue);
        gridLayout::setLeftCol(grid, col);
        return;
    }
    case RowHeight: {
        const int row = rowIndex(indices[0]);
        gridLayout::setRowHeight(grid, row, sizeInPixels(value));
        return;
    }
    case ColWidth: {
        const int col = colIndex(indices[0]);
        gridLayout::setColWidth(grid, col, sizeInPixels(value));
        return;
    }
    case Left:
        widgetTwips::setLeft(grid, value.toLong());
        return;
    case Top:
        widgetTwips::setTop(grid, value.toLong());
        return;
    case BorderStyle:
        gridLayout::setBorderStyle(grid, value.toInteger());
        return;
    case TextMatrix: {
        const int row = rowIndex(indices[0]);
        cells.setText({row, colIndex(indices[1])}, value.toString());
        return;
    }
    case Clip:
        gridClip::fill(cells, m_state, value.toString());
        return;
    case Redraw:
        grid.setUpdatesEnabled(value.toBoolean());
        m_state.showWhenRepainting();
        return;
    case CellBackColor:
        cells.setBackColour(m_state.current(), colourValue::toColour(value.toLong()));
        return;
    case CellForeColor:
        cells.setForeColour(m_state.current(), colourValue::toColour(value.toLong()));
        return;
    default:
        throw platform::RuntimeError(platform::MemberNotFound);
    }
}

Variant GridObject::method(int member, const std::vector<Variant>& arguments)
{
    switch (member) {
    case AddItem:
        if (arguments.empty() || arguments.front().isMissing())
            throw platform::RuntimeError(platform::ArgumentNotOptional);
        if (arguments.size() > 2)
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        addItem(arguments[0].toString(),
                arguments.size() == 2 && !arguments[1].isMissing() ? arguments[1].toLong() : table().rowCount() + 1);
        return Variant();
    case RemoveItem:
        if (arguments.size() != 1)
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        removeItem(arguments[0].toLong());
        return Variant();
    case SetFocus:
        if (!arguments.empty())
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        table().setFocus(Qt::OtherFocusReason);
        return Variant();
    default:
        throw platform::RuntimeError(platform::MemberNotFound);
    }
}

// The item's first field is the row's header cell, the others its cells from column 1.
void GridObject::addItem(const QString& item, int before)
{
    QTableWidget& grid = table();
    if (before < 1 || before > grid.rowCount() + 1)
        throw platform::RuntimeError(platform::InvalidPropertyArrayIndex);
    grid.insertRow(before - 1);
    GridCells cells(grid, m_state.corner());
    const QStringList fields = item.split(u'\t');
    cells.setText({before, 0}, fields.first());
    for (int c = 1; c < fields.size() && c < cells.colCount(); ++c)
        cells.setText({before, c}, fields[c]);
    m_state.keepInside(cells.rowCount(), cells.colCount());
}

void GridObject::removeItem(int index)
{
    QTableWidget& grid = table();
    if (index < 1 || index > grid.rowCount())
        throw platform::RuntimeError(platform::InvalidPropertyArrayIndex);
    if (grid.rowCount() <= 1)
        throw platform::RuntimeError(cannotRemoveLastRow, QStringLiteral("Cannot remove last non-fixed row"));
    grid.removeRow(index - 1);
    m_state.keepInside(grid.rowCount() + 1, grid.columnCount() + 1);
}

} // namespace ui
