#include "tests/support/grid/FakeGrid.h"

#include <algorithm>
#include <stdexcept>

#include <QRegularExpression>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace gridtest {

namespace {

using automation::InvokeKind;
using automation::Variant;

using platform::InvalidPropertyArrayIndex;
using platform::MemberNotFound;
using platform::WrongNumberOfArguments;

enum Member {
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
    Text,
    Clip,
    Redraw,
    CellBackColor,
    CellForeColor,
    AddItem,
    RemoveItem,
    SetFocus,
    memberCount
};

constexpr const char16_t* memberNames[memberCount] = {
    u"Row",       u"Col",      u"RowSel",        u"ColSel",        u"SelStartRow", u"SelEndRow",  u"SelStartCol",
    u"SelEndCol", u"Rows",     u"Cols",          u"FixedRows",     u"FixedCols",   u"TopRow",     u"LeftCol",
    u"RowHeight", u"ColWidth", u"Left",          u"Top",           u"BorderStyle", u"TextMatrix", u"Text",
    u"Clip",      u"Redraw",   u"CellBackColor", u"CellForeColor", u"AddItem",     u"RemoveItem", u"SetFocus",
};

// How many indices each property takes.
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

// The members that only read.
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
    case TopRow:
    case LeftCol:
    case ColWidth:
    case Left:
    case Top:
    case BorderStyle:
        return true;
    default:
        return false;
    }
}

Variant colourValue(const std::optional<std::int32_t>& colour)
{
    return Variant::fromLong(colour.value_or(0));
}

} // namespace

FakeGrid::FakeGrid(const GridPlan& plan)
    : m_fixedRows(plan.fixedRows), m_fixedCols(plan.fixedCols), m_topRow(plan.topRow), m_leftCol(plan.leftCol),
      m_left(float(plan.left)), m_top(float(plan.top)),
      m_borderStyle(plan.borderStyle), m_current{plan.selection.row, plan.selection.col},
      m_anchor(m_current), m_far{plan.selection.rowSel, plan.selection.colSel}, m_redraw(plan.redraw)
{
    if (plan.cells.isEmpty())
        throw std::invalid_argument("a grid needs at least its header row");
    const int cols = int(plan.cells.first().size());
    m_colWidths =
        plan.colWidths.empty() ? std::vector<int>(std::size_t(cols), GridPlan::defaultColWidth) : plan.colWidths;
    for (int r = 0; r < plan.cells.size(); ++r) {
        RowData row;
        row.cells = plan.cells[r];
        if (row.cells.size() != cols || int(m_colWidths.size()) != cols)
            throw std::invalid_argument("every row needs as many cells as the header row");
        row.backColors.resize(std::size_t(cols));
        row.foreColors.resize(std::size_t(cols));
        if (!plan.rowHeights.empty())
            row.height = plan.rowHeights.at(std::size_t(r));
        m_rows.push_back(std::move(row));
    }
    for (const Cell& cell : {m_current, m_far})
        if (cell.row < 0 || cell.row >= rowCount() || cell.col < 0 || cell.col >= colCount())
            throw std::invalid_argument("the selection lies outside the grid");
}

int FakeGrid::idOfName(const QString& name) const
{
    for (int member = 0; member < memberCount; ++member)
        if (name.compare(QString::fromUtf16(memberNames[member]), Qt::CaseInsensitive) == 0)
            return member;
    return unknownName;
}

Variant FakeGrid::invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments)
{
    if (dispatchId < 0 || dispatchId >= memberCount)
        throw platform::RuntimeError(MemberNotFound);
    if (isMethod(dispatchId)) {
        if (kind != InvokeKind::Method)
            throw platform::RuntimeError(MemberNotFound);
        return method(dispatchId, arguments);
    }
    const std::size_t indices = std::size_t(indexCount(dispatchId));
    if (kind == InvokeKind::PropertyPut) {
        if (isReadOnly(dispatchId))
            throw platform::RuntimeError(MemberNotFound);
        if (arguments.size() != indices + 1)
            throw platform::RuntimeError(WrongNumberOfArguments);
        setProperty(dispatchId, std::vector<Variant>(arguments.begin(), arguments.end() - 1), arguments.back());
        return Variant();
    }
    if (arguments.size() != indices)
        throw platform::RuntimeError(WrongNumberOfArguments);
    return property(dispatchId, arguments);
}

Variant FakeGrid::property(int member, const std::vector<Variant>& indices)
{
    const RowData& current = m_rows[std::size_t(m_current.row)];
    switch (member) {
    case Row:
        return Variant::fromLong(m_current.row);
    case Col:
        return Variant::fromLong(m_current.col);
    case RowSel:
        return Variant::fromLong(m_far.row);
    case ColSel:
        return Variant::fromLong(m_far.col);
    case SelStartRow:
        return Variant::fromLong(firstRow());
    case SelEndRow:
        return Variant::fromLong(lastRow());
    case SelStartCol:
        return Variant::fromLong(firstCol());
    case SelEndCol:
        return Variant::fromLong(lastCol());
    case Rows:
        return Variant::fromLong(rowCount());
    case Cols:
        return Variant::fromLong(colCount());
    case FixedRows:
        return Variant::fromLong(m_fixedRows);
    case FixedCols:
        return Variant::fromLong(m_fixedCols);
    case TopRow:
        return Variant::fromLong(m_topRow);
    case LeftCol:
        return Variant::fromLong(m_leftCol);
    case RowHeight:
        return Variant::fromLong(m_rows[std::size_t(rowIndex(indices[0]))].height);
    case ColWidth:
        return Variant::fromLong(m_colWidths[std::size_t(colIndex(indices[0]))]);
    case Left:
        return Variant::fromSingle(m_left);
    case Top:
        return Variant::fromSingle(m_top);
    case BorderStyle:
        return Variant::fromInteger(std::int16_t(m_borderStyle));
    case TextMatrix: {
        const int row = rowIndex(indices[0]);
        return Variant(m_rows[std::size_t(row)].cells[colIndex(indices[1])]);
    }
    case Text:
        return Variant(current.cells[m_current.col]);
    case Clip:
        return Variant(clip());
    case Redraw:
        return Variant::fromBoolean(m_redraw);
    case CellBackColor:
        return colourValue(current.backColors[std::size_t(m_current.col)]);
    case CellForeColor:
        return colourValue(current.foreColors[std::size_t(m_current.col)]);
    default:
        throw platform::RuntimeError(MemberNotFound);
    }
}

void FakeGrid::setProperty(int member, const std::vector<Variant>& indices, const Variant& value)
{
    switch (member) {
    case Row:
        m_current.row = rowIndex(value);
        if (!isSelected(m_current))
            m_anchor = m_far = m_current;
        return;
    case Col:
        m_current.col = colIndex(value);
        if (!isSelected(m_current))
            m_anchor = m_far = m_current;
        return;
    case RowSel:
        m_far.row = rowIndex(value);
        m_anchor = m_current;
        return;
    case ColSel:
        m_far.col = colIndex(value);
        m_anchor = m_current;
        return;
    case RowHeight: {
        const int row = rowIndex(indices[0]);
        m_rows[std::size_t(row)].height = value.toLong();
        changed();
        return;
    }
    case TextMatrix: {
        const int row = rowIndex(indices[0]);
        const int col = colIndex(indices[1]);
        m_rows[std::size_t(row)].cells[col] = value.toString();
        changed();
        return;
    }
    case Text:
        m_rows[std::size_t(m_current.row)].cells[m_current.col] = value.toString();
        changed();
        return;
    case Clip:
        setClip(value.toString());
        return;
    case Redraw:
        m_redraw = value.toBoolean();
        return;
    case CellBackColor:
        m_rows[std::size_t(m_current.row)].backColors[std::size_t(m_current.col)] = value.toLong();
        changed();
        return;
    case CellForeColor:
        m_rows[std::size_t(m_current.row)].foreColors[std::size_t(m_current.col)] = value.toLong();
        changed();
        return;
    default:
        throw platform::RuntimeError(MemberNotFound);
    }
}

Variant FakeGrid::method(int member, const std::vector<Variant>& arguments)
{
    switch (member) {
    case AddItem:
        if (arguments.empty() || arguments.size() > 2)
            throw platform::RuntimeError(WrongNumberOfArguments);
        addItem(arguments[0].toString(),
                arguments.size() == 2 && !arguments[1].isMissing() ? arguments[1].toLong() : rowCount());
        return Variant();
    case RemoveItem:
        if (arguments.size() != 1)
            throw platform::RuntimeError(WrongNumberOfArguments);
        removeItem(arguments[0].toLong());
        return Variant();
    case SetFocus:
        if (!arguments.empty())
            throw platform::RuntimeError(WrongNumberOfArguments);
        m_focused = true;
        return Variant();
    default:
        throw platform::RuntimeError(MemberNotFound);
    }
}

int FakeGrid::rowIndex(const Variant& value) const
{
    const std::int32_t row = value.toLong();
    if (row < 0 || row >= rowCount())
        throw platform::RuntimeError(InvalidPropertyArrayIndex);
    return row;
}

int FakeGrid::colIndex(const Variant& value) const
{
    const std::int32_t col = value.toLong();
    if (col < 0 || col >= colCount())
        throw platform::RuntimeError(InvalidPropertyArrayIndex);
    return col;
}

int FakeGrid::firstRow() const
{
    return std::min(m_anchor.row, m_far.row);
}

int FakeGrid::lastRow() const
{
    return std::max(m_anchor.row, m_far.row);
}

int FakeGrid::firstCol() const
{
    return std::min(m_anchor.col, m_far.col);
}

int FakeGrid::lastCol() const
{
    return std::max(m_anchor.col, m_far.col);
}

bool FakeGrid::isSelected(const Cell& cell) const
{
    return cell.row >= firstRow() && cell.row <= lastRow() && cell.col >= firstCol() && cell.col <= lastCol();
}

QString FakeGrid::clip() const
{
    QStringList rows;
    for (int r = firstRow(); r <= lastRow(); ++r)
        rows.append(m_rows[std::size_t(r)].cells.mid(firstCol(), lastCol() - firstCol() + 1).join(u'\t'));
    return rows.join(u'\r');
}

void FakeGrid::setClip(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size() && firstRow() + i < rowCount(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        RowData& row = m_rows[std::size_t(firstRow() + i)];
        for (int j = 0; j < cells.size() && firstCol() + j < colCount(); ++j)
            row.cells[firstCol() + j] = cells[j];
    }
    changed();
}

void FakeGrid::addItem(const QString& item, int before)
{
    if (before < m_fixedRows || before > rowCount())
        throw platform::RuntimeError(InvalidPropertyArrayIndex);
    RowData row;
    row.cells = item.split(u'\t').mid(0, colCount());
    while (row.cells.size() < colCount())
        row.cells.append(QString());
    row.backColors.resize(std::size_t(colCount()));
    row.foreColors.resize(std::size_t(colCount()));
    m_rows.insert(m_rows.begin() + before, std::move(row));
    changed();
}

void FakeGrid::removeItem(int index)
{
    if (index < m_fixedRows || index >= rowCount())
        throw platform::RuntimeError(InvalidPropertyArrayIndex);
    if (rowCount() - m_fixedRows <= 1)
        throw platform::RuntimeError(30015, QStringLiteral("Cannot remove last non-fixed row"));
    m_rows.erase(m_rows.begin() + index);
    for (Cell* cell : {&m_current, &m_anchor, &m_far})
        keepInside(*cell);
    changed();
}

void FakeGrid::keepInside(Cell& cell) const
{
    cell.row = std::min(cell.row, rowCount() - 1);
}

void FakeGrid::changed()
{
    if (m_redraw)
        ++m_changesWhileRedrawing;
}

QList<QStringList> FakeGrid::cells() const
{
    QList<QStringList> cells;
    for (const RowData& row : m_rows)
        cells.append(row.cells);
    return cells;
}

Selection FakeGrid::selection() const
{
    return {m_current.row, m_current.col, m_far.row, m_far.col};
}

std::optional<std::int32_t> FakeGrid::backColor(int row, int col) const
{
    return m_rows.at(std::size_t(row)).backColors.at(std::size_t(col));
}

std::optional<std::int32_t> FakeGrid::foreColor(int row, int col) const
{
    return m_rows.at(std::size_t(row)).foreColors.at(std::size_t(col));
}

std::vector<int> FakeGrid::rowHeights() const
{
    std::vector<int> heights;
    for (const RowData& row : m_rows)
        heights.push_back(row.height);
    return heights;
}

} // namespace gridtest
