#pragma once

#include <QString>

namespace explorer {

class FrmExplorer;

// Hands the selected cards of the card list, one by one, to the invoicing program Fattix beside
// the explorer: "Fattix.exe " + key, waited for, then the pause "Configurazione"/"Ritardo" of the
// explorer's INI file (milliseconds). The archive the keys belong to goes to the invoicing
// program as "Impostazioni"/"Database corrente" of "Tramex.ini".
void MnuLWInviaFattura(FrmExplorer& window);

// "Ritardo" as a 16-bit count of milliseconds: the number at the start of the text, rounded,
// held within 0..32767 (text that is no number gives 0).
int handOffDelay(const QString& ritardo);

} // namespace explorer
