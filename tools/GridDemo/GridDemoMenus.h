#pragma once

namespace griddemo {

class GridDemoWindow;

// The window's menus, each item one of Grivola's commands on the grid with its key:
//   Modifica: Modifica casella (F2, Grid_Text_Move), Taglia (Ctrl+X, GridSelCut), Copia
//     (Ctrl+C, GridSelCopy), Incolla (Ctrl+V, GridSelPaste), Riempi con la casella corrente
//     (Ctrl+D, IncollaMultiplo), Scrivi nelle caselle (Ctrl+E, MultiEdit), Posizione della
//     selezione (Ctrl+P, GetSelPos, shown in a message).
//   Righe: Taglia righe (Ctrl+Shift+X, GridLineCut), Copia righe (Ctrl+Shift+C, GridLineCopy),
//     Incolla righe (Ctrl+Shift+V, GridLinePaste), Elimina righe (Ctrl+Canc, GridLineDelete),
//     Elimina le righe vuote in fondo (Ctrl+Shift+Canc, CancellaLineeVuote), Rinumera (Ctrl+R,
//     RinumeraGriglia), Altezza della riga corrente a tutte (Ctrl+H, DimensionaRigaGriglia).
//   Formato: Maiuscolo, Minuscolo, Iniziale maiuscola, Svuota (Canc), Togli gli spazi (codes 1
//     to 5 of GridSelFormat), Evidenzia la riga, Evidenzia la casella, Togli l'evidenziazione
//     (GridCellColor, yellow or white; the casella's own column, whose header cell gets the
//     text colour instead).
//   File: Esci (Ctrl+Q).
void addMenus(GridDemoWindow& window);

} // namespace griddemo
