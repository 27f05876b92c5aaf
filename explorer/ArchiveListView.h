#pragma once

#include <functional>

#include <QListWidget>
#include <QPersistentModelIndex>

namespace explorer {

// The archive list LVDB: large icons sorted by text, one item per card archive. A long name
// wraps in its cell, and the whole name is the item's tool tip. An item's label can be edited in
// place (F2, or a slow click on a selected item); the edit's end is put to a judge that says
// whether the typed label stays. Mouse buttons, Return, the Delete key and the keys of the pop-up
// menu (Shift+F10, the Menu key) are reported to the window, which owns what they do. The list keeps its one column,
// caption and width in twips, for a report view; the large icons do not show it.
class ArchiveListView : public QListWidget {
    Q_OBJECT

public:
    // True when the typed label is to stay; false keeps the item's old label.
    using LabelEditJudge = std::function<bool(QListWidgetItem* item, const QString& newLabel)>;

    explicit ArchiveListView(QWidget* parent = nullptr);

    void setLabelEditJudge(LabelEditJudge judge);
    // The item the list treats as selected: the current item when it is selected, otherwise the
    // first selected item; nullptr when none is selected.
    QListWidgetItem* selectedArchive() const;
    // Makes item the only selected and current item; nullptr deselects everything.
    void selectOnly(QListWidgetItem* item);

    void setColumn(const QString& caption, int widthTwips);
    void setColumnWidth(int widthTwips) { m_columnWidth = widthTwips; }
    QString columnCaption() const { return m_columnCaption; }
    int columnWidth() const { return m_columnWidth; }

    // The item highlighted as the target of a drop; nullptr when none is.
    QListWidgetItem* dropTarget() const;
    // Highlights the item alone; nullptr removes the highlight.
    void setDropTarget(QListWidgetItem* item);

Q_SIGNALS:
    void mouseReleased(Qt::MouseButton button, const QPoint& viewportPosition, const QPoint& globalPosition);
    void deletePressed();
    // Return, as a double click: open the selected archive.
    void openRequested();
    void keyboardMenuRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    LabelEditJudge m_judge;
    QPersistentModelIndex m_dropTarget;
    QString m_columnCaption;
    int m_columnWidth = 0;
};

} // namespace explorer
