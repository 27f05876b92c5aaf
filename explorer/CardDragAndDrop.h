#pragma once

#include <memory>

#include <QObject>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace explorer {

class FrmExplorer;

// Cards dragged out of the card list and dropped on either list of this or another explorer: the
// card list offers the selected cards, the archive list copies dropped cards into the archive
// under the pointer, the card list into the open archive. Data without the cards' own format is
// refused.
class CardDragAndDrop : public QObject {
    Q_OBJECT

public:
    explicit CardDragAndDrop(FrmExplorer& window);

    // The payload of a drag of the selected cards of the open archive.
    std::unique_ptr<QMimeData> dragData() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startDrag(Qt::DropActions supportedActions);
    void archiveListDragMove(QDragMoveEvent& event);
    void archiveListDrop(QDropEvent& event);
    void cardListDragMove(QDragMoveEvent& event);
    void cardListDrop(QDropEvent& event);

    FrmExplorer& m_window;
    // Kept apart from the window, which is gone while its lists are being destroyed.
    QObject* m_archiveViewport = nullptr;
    QObject* m_cardViewport = nullptr;
};

} // namespace explorer
