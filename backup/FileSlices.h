#pragma once

#include <QString>

namespace platform {
class BinaryFile;
}

// Cutting a file into pieces, one per disk, and joining them again.
namespace backup::fileSlices {

// Copies byteCount bytes from the source's current position to the target's, in blocks of
// 8,192 bytes. The number of the first error, 0 when none.
int BlockCopy(platform::BinaryFile& source, platform::BinaryFile& target, qint64 byteCount);

// Cuts the file into pieces of pieceSize bytes (the last one holds the rest), named after it
// with ".1.spf", ".2.spf", ...; a file that is not longer than a piece stays whole. A failed copy
// is reported ("Errore durante la copia: ...") and gives false.
bool SplitFile(const QString& path, qint64 pieceSize);

// Joins the pieces of a pattern such as "C:\WINDOWS\TEMP\Salvix.zip.*.spf", in the order of their
// numbers, into the file they were cut from ("C:\WINDOWS\TEMP\Salvix.zip"); nothing is done when
// there is no piece. A failed copy, a missing piece included, is reported and gives false.
bool JoinPieces(const QString& pattern);

} // namespace backup::fileSlices
