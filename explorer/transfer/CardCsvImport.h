#pragma once

#include <QString>

namespace transfer {

class TransferWindow;

// Reads one card CSV file into the archive DatabaseFolder + archiveName, opened shared. A file
// without the signature and a card already in the archive are refused with their messages. The
// card is written in one transaction: a file that turns out malformed, or a value the archive
// refuses, shows the error dialog as "ModMain_ImportData" and leaves the archive as it was
// (retry reads the file again from the start).
void ImportData(const QString& path, const QString& archiveName);

// The import command: asks for a card file, imports it into the current archive and shows that
// archive's cards again.
void MnuLWImporta_Click(TransferWindow& window);

} // namespace transfer
