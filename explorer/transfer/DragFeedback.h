#pragma once

#include <Qt>

namespace transfer {

class CardTransferWindow;

// What the two lists answer while cards are dragged over them.
namespace dragFeedback {

// Over the archive list: Shift refuses the drop; any other modifiers turn a move into a copy.
Qt::DropAction archiveListEffect(Qt::KeyboardModifiers modifiers, Qt::DropActions allowed, Qt::DropAction offered);
// Over the card list: Shift shows a move, other modifiers a copy. Only the pointer changes: the
// drop always copies.
Qt::DropAction cardListEffect(Qt::KeyboardModifiers modifiers, Qt::DropActions allowed, Qt::DropAction offered);

// Image of the archive-list image list the drag shows.
inline constexpr int MoveImage = 6;
inline constexpr int CopyImage = 4;

// Reads Shift from the keyboard, sets MovePending after it and lets pending events run: the drag
// image to show. Errors go to the error dialog as "FrmExplorerLVDB_Ole_DragOver_ERROR".
int followShiftKey(CardTransferWindow& window);

} // namespace dragFeedback

} // namespace transfer
