#pragma once

// The rules that enable and show the main window's menu entries and toolbar buttons. They run
// only at their moments (load, opening an archive, clicks on the card list, right clicks on
// either list); in between the states keep their last values.
namespace explorer {

class FrmExplorer;

namespace menuStates {

// When anySelected is false, it becomes true at the first selected card (the caller's variable
// too). Toolbar buttons 5, 9, 10, 11, 13, 14 and the menu bar's Esporta, Taglia, Copia and
// Incolla: enabled when a card is selected and the list has rows. MnuLWImporta: enabled when an
// archive is open.
void SetMainToolBar(FrmExplorer& window, bool& anySelected);

// The card list's pop-up menu: Taglia, Copia, Stampa, Invia a, Elimina, Esporta need a selected
// card; Seleziona tutti needs rows; Importa needs an open archive.
void SetMnuLWModelli(FrmExplorer& window);

// The archive item menu's Incolla: enabled while a cut is pending or a card is selected.
void SetMnuLVDB(FrmExplorer& window);

// The CAD import entries of the archive item menu: on an Accumark workstation "Importa &consumi"
// and "Importa &scheda" show exactly while an archive is open; on a Lectra workstation
// "Importa &scheda" does; on any other nothing changes.
void SetCADTypeMnu(FrmExplorer& window);

} // namespace menuStates
} // namespace explorer
