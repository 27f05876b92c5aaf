#include "explorer/CardListView.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "explorer/CardListModel.h"
#include "explorer/ExplorerKeys.h"
#include "interaction/BusyPointer.h"

namespace explorer {

CardListView::CardListView(QWidget* parent) : QTreeView(parent), m_model(new CardListModel(this))
{
    setObjectName(QStringLiteral("LWModelli"));
    setAccessibleName(QStringLiteral("Schede"));
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    m_model->setGhostBrush(palette().brush(QPalette::Disabled, QPalette::Text));
    connect(header(), &QHeaderView::sectionClicked, this, &CardListView::toggleSort);
}

void CardListView::setHeaderLabels(const QStringList& labels)
{
    m_model->setHeaderLabels(labels);
}

void CardListView::setCardIcon(const QIcon& icon)
{
    m_model->setCardIcon(icon);
}

void CardListView::appendRows(CardRows rows)
{
    m_model->append(std::move(rows));
}

void CardListView::clear()
{
    m_model->clear();
}

int CardListView::rowCount() const
{
    return m_model->rowCount();
}

QString CardListView::rowText(int row, int column) const
{
    return m_model->text(row, column);
}

QRect CardListView::rowRect(int row) const
{
    return visualRect(rowIndex(row));
}

void CardListView::toggleSort(int column)
{
    interaction::BusyPointer hourglass;
    sortBy(column, m_sorted && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CardListView::sortBy(int column, Qt::SortOrder order)
{
    m_model->sort(column, order);
    m_sortOrder = order;
    m_sorted = true;
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, order);
}

bool CardListView::hasSelectedRow() const
{
    return selectionModel()->hasSelection();
}

QList<int> CardListView::selectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool CardListView::isRowSelected(int row) const
{
    const QModelIndex index = rowIndex(row);
    return index.isValid() && selectionModel()->isSelected(index);
}

void CardListView::setRowSelected(int row, bool selected)
{
    const QModelIndex index = rowIndex(row);
    if (index.isValid())
        selectionModel()->select(index, (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                            QItemSelectionModel::Rows);
}

int CardListView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CardListView::setCurrentRow(int row, QItemSelectionModel::SelectionFlags command)
{
    const QModelIndex index = rowIndex(row);
    selectionModel()->setCurrentIndex(index, index.isValid() ? command | QItemSelectionModel::Rows : command);
}

void CardListView::setRowGhosted(int row, bool ghosted)
{
    m_model->setRowGhosted(row, ghosted);
}

bool CardListView::isRowGhosted(int row) const
{
    return m_model->isRowGhosted(row);
}

void CardListView::setDragStarter(DragStarter starter)
{
    m_dragStarter = std::move(starter);
}

QModelIndex CardListView::rowIndex(int row) const
{
    return m_model->index(row, 0);
}

void CardListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        m_model->setGhostBrush(palette().brush(QPalette::Disabled, QPalette::Text));
    QTreeView::changeEvent(event);
}

// The right button's release opens the menu; only the keyboard's request is handled here.
void CardListView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        Q_EMIT keyboardMenuRequested();
}

void CardListView::startDrag(Qt::DropActions supportedActions)
{
    if (m_dragStarter)
        m_dragStarter(supportedActions);
}

// The right button leaves the selection as it is.
void CardListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void CardListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        QTreeView::mouseReleaseEvent(event);
    const bool rowUnderPointer = indexAt(event->position().toPoint()).isValid();
    Q_EMIT mouseReleased(event->button(), event->globalPosition().toPoint(), rowUnderPointer);
}

void CardListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT deletePressed();
        event->accept();
        return;
    }
    // The window's key table alone decides what these keys do.
    if (isKeyTableKey(*event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

} // namespace explorer
