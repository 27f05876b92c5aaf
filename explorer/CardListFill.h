#pragma once

#include <QString>

#include "explorer/CardRows.h"

namespace explorer {

// The card list's rows for every Modelli row of the card archive at archivePath, opened
// exclusively, in recordset order: the key PCMTV, then DescCollezione, DescVariante, DescCapo,
// TagliaBase and GammaTaglie. A Null reads as an empty text. The count is not limited to 16
// bits. Errors go to the error dialog under procedureName: retry runs the failing step again,
// ignore goes on, abort leaves with the rows read so far.
CardRows readCardRows(const QString& archivePath, const QString& procedureName);

} // namespace explorer
