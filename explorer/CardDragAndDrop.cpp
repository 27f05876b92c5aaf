#include "explorer/CardDragAndDrop.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "explorer/ArchiveListView.h"
#include "explorer/CardListView.h"
#include "explorer/FrmExplorer.h"
#include "explorer/Icons.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/CardDragData.h"
#include "explorer/transfer/CardTransfer.h"
#include "explorer/transfer/CardTransferWindow.h"
#include "explorer/transfer/DragFeedback.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"

namespace explorer {

namespace {

constexpr int dragImageSize = 32;

bool carriesCards(const QDropEvent& event)
{
    return event.mimeData() && event.mimeData()->hasFormat(transfer::cardDragData::MimeType);
}

} // namespace

CardDragAndDrop::CardDragAndDrop(FrmExplorer& window) : QObject(&window), m_window(window)
{
    // A list whose items stay in place refuses drops on its viewport; these lists take cards.
    for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(&m_window.archiveList()),
                                    static_cast<QAbstractItemView*>(&m_window.cardList())}) {
        list->viewport()->installEventFilter(this);
        list->viewport()->setAcceptDrops(true);
        list->setDropIndicatorShown(false);
    }
    m_archiveViewport = m_window.archiveList().viewport();
    m_cardViewport = m_window.cardList().viewport();
    m_window.cardList().setDragStarter([this](Qt::DropActions actions) { startDrag(actions); });
}

std::unique_ptr<QMimeData> CardDragAndDrop::dragData() const
{
    const QString source = store::explorerState().currentArchivePath(true);
    return transfer::cardDragData::encode(transfer::cardDragData::entries(source, m_window.cardListWindow()));
}

void CardDragAndDrop::startDrag(Qt::DropActions)
{
    std::unique_ptr<QMimeData> data;
    try {
        data = dragData();
    } catch (const platform::RuntimeError& error) {
        interaction::Seams::prompter().message(error.description(), interaction::Buttons::Ok,
                                               interaction::Icon::Critical, interaction::DefaultButton::First,
                                               interaction::Seams::programTitle());
        return;
    }
    CardListView& cards = m_window.cardList();
    cards.setDragImage(transfer::dragFeedback::CopyImage);
    auto* drag = new QDrag(&cards);
    drag->setMimeData(data.release());
    drag->setPixmap(icons::archiveImage(3).pixmap(dragImageSize));
    drag->setDragCursor(icons::archiveImage(transfer::dragFeedback::CopyImage).pixmap(dragImageSize), Qt::CopyAction);
    drag->setDragCursor(icons::archiveImage(transfer::dragFeedback::MoveImage).pixmap(dragImageSize), Qt::MoveAction);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    cards.setDragImage(0);
}

bool CardDragAndDrop::eventFilter(QObject* watched, QEvent* event)
{
    const bool archives = watched == m_archiveViewport;
    if (!archives && watched != m_cardViewport)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& move = static_cast<QDragMoveEvent&>(*event);
        if (!carriesCards(move)) {
            move.ignore();
            return true;
        }
        if (archives)
            archiveListDragMove(move);
        else
            cardListDragMove(move);
        // An entry refused under Shift still lets the moves that follow decide.
        if (event->type() == QEvent::DragEnter)
            move.accept();
        return true;
    }
    case QEvent::DragLeave:
        if (archives)
            m_window.archiveList().setDropTarget(nullptr);
        return archives;
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        if (archives)
            archiveListDrop(drop);
        else
            cardListDrop(drop);
        return true;
    }
    default:
        return false;
    }
}

void CardDragAndDrop::archiveListDragMove(QDragMoveEvent& event)
{
    const Qt::DropAction effect =
        transfer::dragFeedback::archiveListEffect(event.modifiers(), event.possibleActions(), event.proposedAction());
    ArchiveListView& archives = m_window.archiveList();
    QListWidgetItem* under = archives.itemAt(event.position().toPoint());
    if (!under)
        archives.setDropTarget(nullptr);
    else if (!archives.dropTarget())
        archives.setDropTarget(under);
    m_window.cardList().setDragImage(transfer::dragFeedback::followShiftKey(m_window.cardTransferWindow()));
    if (effect == Qt::IgnoreAction) {
        event.ignore();
        return;
    }
    event.setDropAction(effect);
    event.accept();
}

void CardDragAndDrop::archiveListDrop(QDropEvent& event)
{
    const std::optional<QStringList> entries =
        carriesCards(event) ? transfer::cardDragData::decode(*event.mimeData()) : std::nullopt;
    const Qt::DropAction effect =
        transfer::dragFeedback::archiveListEffect(event.modifiers(), event.possibleActions(), event.proposedAction());
    if (!entries || effect == Qt::IgnoreAction) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    transfer::dropOnArchiveList(m_window.cardTransferWindow(), *entries);
}

void CardDragAndDrop::cardListDragMove(QDragMoveEvent& event)
{
    event.setDropAction(
        transfer::dragFeedback::cardListEffect(event.modifiers(), event.possibleActions(), event.proposedAction()));
    event.accept();
}

void CardDragAndDrop::cardListDrop(QDropEvent& event)
{
    const std::optional<QStringList> entries =
        carriesCards(event) ? transfer::cardDragData::decode(*event.mimeData()) : std::nullopt;
    if (!entries) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    transfer::dropOnCardList(m_window.cardTransferWindow(), *entries);
}

} // namespace explorer
