#pragma once

#include <optional>

#include <QString>

#include "explorer/transfer/TransferWindow.h"

namespace transfer {

// What moving cards between archives needs of the main window, beyond its card list, status bar
// and progress bar.
class CardTransferWindow : public TransferWindow {
public:
    // The text of the archive list's selected item; nothing when none is selected.
    virtual std::optional<QString> selectedArchiveText() const = 0;
    // The archive item highlighted as drop target; nothing when none is.
    virtual std::optional<QString> dropTargetArchiveText() const = 0;
    virtual void clearDropHighlight() = 0;

    // True when the next paste moves the cards.
    virtual bool movePending() const = 0;
    virtual void setMovePending(bool pending) = 0;

    // The dimmed look of a cut card-list row; display only.
    virtual void setRowGhosted(int row, bool ghosted) = 0;
    virtual void clearDragImage() = 0;

    // Deletes the selected cards of the open archive, asking first when `ask`, and fills the card
    // list again.
    virtual void MnuEliminaScheda(bool ask) = 0;
    // Opens the archive selected in the archive list and fills the card list.
    virtual void LVDB_DblClick() = 0;
};

} // namespace transfer
