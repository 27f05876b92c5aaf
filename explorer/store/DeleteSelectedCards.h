#pragma once

namespace store {

class CardListWindow;

// Deletes from the current archive every card selected in the window's card list, in list
// order, table by table through EseguiSql, each card in one transaction, showing "Cancella: " +
// key and the progress, and deselecting each deleted row. Esc pressed while the loop runs stops
// it before the next card; the rows stay in the list for the caller to refresh. Every other
// failing step is skipped silently.
void DeleteSelectedCards(CardListWindow& window);

} // namespace store
