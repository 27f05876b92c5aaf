#pragma once

#include <QString>

namespace transfer {

class TransferWindow;

// Writes the card CSV file folder + key + ".csv" (replacing one that is there) of the card with
// this key in the archive DatabaseFolder + archiveName, opened exclusively and read-only. A key
// that is no plain file name, or holds characters outside the workstation's code page, is error
// 52. Errors go to the error dialog as "ModMain_ExportData": retry runs the failing statement
// again, ignore goes on, abort closes the file and the database and leaves this card.
void ExportData(const QString& folder, const QString& archiveName, const QString& key);

// The export command: asks for a folder and exports every selected card of the card list,
// deselecting each, with "Esporta in CSV: " + key in the status bar and the progress. Failing
// steps of the command itself are skipped.
void MnuLWEsporta_Click(TransferWindow& window);

} // namespace transfer
