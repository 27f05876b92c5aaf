#include "explorer/CardListView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "explorer/ExplorerKeys.h"
#include "interaction/BusyPointer.h"

namespace explorer {

CardListView::CardListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("LWModelli"));
    setAccessibleName(QStringLiteral("Schede"));
    setColumnCount(columnCount);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CardListView::toggleSort);
}

void CardListView::toggleSort(int column)
{
    interaction::BusyPointer hourglass;
    sortBy(column, m_sorted && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CardListView::sortBy(int column, Qt::SortOrder order)
{
    sortItems(column, order);
    markSorted(column, order);
}

void CardListView::markSorted(int column, Qt::SortOrder order)
{
    m_sortOrder = order;
    m_sorted = true;
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, order);
}

bool CardListView::hasSelectedRow() const
{
    const int rows = topLevelItemCount();
    for (int row = 0; row < rows; ++row) {
        if (topLevelItem(row)->isSelected())
            return true;
    }
    return false;
}

void CardListView::setRowGhosted(int row, bool ghosted)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    const QVariant dimmed = ghosted ? QVariant(palette().brush(QPalette::Disabled, QPalette::Text)) : QVariant();
    for (int column = 0; column < columnCount; ++column)
        item->setData(column, Qt::ForegroundRole, dimmed);
}

bool CardListView::isRowGhosted(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->data(0, Qt::ForegroundRole).isValid();
}

void CardListView::setDragStarter(DragStarter starter)
{
    m_dragStarter = std::move(starter);
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
    QTreeWidget::mousePressEvent(event);
}

void CardListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        QTreeWidget::mouseReleaseEvent(event);
    const bool rowUnderPointer = itemAt(event->position().toPoint()) != nullptr;
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
    QTreeWidget::keyPressEvent(event);
}

} // namespace explorer
