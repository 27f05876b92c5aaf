#include "explorer/CardListModel.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace explorer {

CardListModel::CardListModel(QObject* parent) : QAbstractTableModel(parent) {}

int CardListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int CardListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : CardRows::columnCount;
}

QVariant CardListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::DecorationRole:
        return index.column() == 0 ? QVariant(m_icon) : QVariant();
    case Qt::ForegroundRole:
        return isRowGhosted(index.row()) ? QVariant(m_ghostBrush) : QVariant();
    default:
        return {};
    }
}

QVariant CardListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headerLabels.size())
        return m_headerLabels[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CardListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled |
           Qt::ItemNeverHasChildren;
}

QString CardListModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= CardRows::columnCount)
        return {};
    return m_rows.text(record(row), column);
}

void CardListModel::setHeaderLabels(const QStringList& labels)
{
    m_headerLabels = labels;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, CardRows::columnCount - 1);
}

void CardListModel::setGhostBrush(const QBrush& brush)
{
    m_ghostBrush = brush;
    if (std::find(m_ghosted.begin(), m_ghosted.end(), true) != m_ghosted.end())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, CardRows::columnCount - 1), {Qt::ForegroundRole});
}

void CardListModel::append(CardRows rows)
{
    if (rows.count() == 0)
        return;
    const qsizetype first = m_rows.count();
    const qsizetype last = first + rows.count() - 1;
    if (last >= qsizetype(INT32_MAX))
        throw std::length_error("the card list holds too many rows");
    beginInsertRows(QModelIndex(), int(first), int(last));
    if (first == 0)
        m_rows = std::move(rows);
    else
        m_rows.append(rows);
    m_rows.squeeze();
    m_order.resize(std::size_t(last + 1));
    std::iota(m_order.begin() + first, m_order.end(), std::uint32_t(first));
    m_ghosted.resize(std::size_t(last + 1));
    endInsertRows();
}

void CardListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_order = {};
    m_ghosted = {};
    endResetModel();
}

void CardListModel::setRowGhosted(int row, bool ghosted)
{
    if (row < 0 || row >= rowCount() || m_ghosted[record(row)] == ghosted)
        return;
    m_ghosted[record(row)] = ghosted;
    Q_EMIT dataChanged(index(row, 0), index(row, CardRows::columnCount - 1), {Qt::ForegroundRole});
}

bool CardListModel::isRowGhosted(int row) const
{
    return row >= 0 && row < rowCount() && m_ghosted[record(row)];
}

void CardListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= CardRows::columnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::uint32_t> before = m_order;
    if (order == Qt::AscendingOrder) {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](std::uint32_t left, std::uint32_t right) { return m_rows.less(left, right, column); });
    } else {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](std::uint32_t left, std::uint32_t right) { return m_rows.less(right, left, column); });
    }
    std::vector<int> rowOfRecord(m_order.size());
    for (std::size_t row = 0; row < m_order.size(); ++row)
        rowOfRecord[m_order[row]] = int(row);
    const QModelIndexList moved = persistentIndexList();
    QModelIndexList movedTo;
    movedTo.reserve(moved.size());
    for (const QModelIndex& index : moved)
        movedTo.append(this->index(rowOfRecord[before[std::size_t(index.row())]], index.column()));
    changePersistentIndexList(moved, movedTo);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace explorer
