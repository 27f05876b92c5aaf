#pragma once

#include <QStringList>

namespace transfer {

class CardTransferWindow;

// Cut: ghosts the selected card-list rows; the next paste moves.
void MnuLWModelliTaglia(CardTransferWindow& window);
// Copy: the next paste copies; the selected rows lose the ghosted mark.
void MnuLWModelliCopia(CardTransferWindow& window);

// Paste: copies every selected card of the open archive into the archive selected in the archive
// list, each card in one transaction of the target, showing "Copia: "/"Sposta: " + key and the
// progress; copied rows are deselected. A move then deletes, without asking, the cards whose
// three tables all arrived; a card whose copy failed stays in the source, selected. Nothing
// happens without a selected archive or when it is the open one.
void MnuDBIncolla(CardTransferWindow& window);

// Drops of decoded card lists (entry 1 the source archive path, then the keys). On the archive
// list: copies into the highlighted archive. On the card list: copies into the open archive,
// asking before replacing a card it holds (removal and copy in one transaction); a failure to
// look the card up goes to the error dialog as "FrmExplorer_LWModelli_OLEDragDrop", where abort
// ends the drop. Esc pressed during the drop stops before the card shown in the status bar; both
// end by opening the archive list's selected archive again.
void dropOnArchiveList(CardTransferWindow& window, const QStringList& entries);
void dropOnCardList(CardTransferWindow& window, const QStringList& entries);

} // namespace transfer
