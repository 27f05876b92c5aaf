#pragma once

namespace transfer {

class TransferWindow;

// "Importa &scheda": the Accumark model import on an Accumark workstation (CadType 1), the Lectra
// import on a Lectra one (CadType 3); nothing on any other.
void MnuImportaScheda_Click(TransferWindow& window);

} // namespace transfer
