#pragma once

#include <functional>

#include <QItemSelectionModel>
#include <QList>
#include <QTreeView>

#include "explorer/CardRows.h"

namespace explorer {

class CardListModel;

// The card list LWModelli: a report of six columns, one row per card, the card key as the row's
// text, with extended multi-selection (click, Ctrl, Shift). A click on a column header toggles
// the sort on that column. Mouse buttons, the Delete key and the keys of the pop-up menu
// (Shift+F10, the Menu key) are reported to the window. Callers reach the rows by their position
// in the list as it shows.
class CardListView : public QTreeView {
    Q_OBJECT

public:
    // Runs when the user starts dragging selected rows; the view itself offers nothing.
    using DragStarter = std::function<void(Qt::DropActions supportedActions)>;

    explicit CardListView(QWidget* parent = nullptr);

    void setHeaderLabels(const QStringList& labels);
    void setCardIcon(const QIcon& icon);
    // Lists the rows after those already listed.
    void appendRows(CardRows rows);
    // Empties the list, its selection and its ghosted marks.
    void clear();

    int rowCount() const;
    QString rowText(int row, int column = 0) const;
    QRect rowRect(int row) const;

    // Ascending becomes descending, anything else ascending; the rows sort by the column's text.
    void toggleSort(int column);
    void sortBy(int column, Qt::SortOrder order);

    bool hasSelectedRow() const;
    // The selected rows, top to bottom.
    QList<int> selectedRows() const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    // -1 when no row is current.
    int currentRow() const;
    // Makes the row current (-1 for none), changing the selection as command says.
    void setCurrentRow(int row, QItemSelectionModel::SelectionFlags command);

    // A cut row shows dimmed until the list is filled again.
    void setRowGhosted(int row, bool ghosted);
    bool isRowGhosted(int row) const;

    void setDragStarter(DragStarter starter);
    // The archive-list image the current drag shows; 0 for none.
    int dragImage() const { return m_dragImage; }
    void setDragImage(int image) { m_dragImage = image; }

Q_SIGNALS:
    // rowUnderPointer is false over an empty part of the list.
    void mouseReleased(Qt::MouseButton button, const QPoint& globalPosition, bool rowUnderPointer);
    void deletePressed();
    void keyboardMenuRequested();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    QModelIndex rowIndex(int row) const;

    CardListModel* m_model;
    DragStarter m_dragStarter;
    int m_dragImage = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_sorted = false;
};

} // namespace explorer
