#pragma once

#include <QLatin1String>
#include <QString>

namespace transfer {

class TransferWindow;

// Accumark's model dump utility, as the import looks for it and as it starts it.
inline constexpr QLatin1String DumpUtility("c:\\userroot\\prog\\util\\DMPMODEL.EXE");
inline constexpr QLatin1String DumpUtilityCommand("c:\\userroot\\prog\\util\\DMPMODEL.exe ");

// The dump file of an area: the program's drive, "\", the area name (the entry from its fourth
// character on), ".", the area's drive letter (its first character) and "MO". D:\PROVA with the
// program on C gives C:\PROVA.DMO.
QString dumpFileName(const QString& appFolder, const QString& area);

// Asks for a model name and makes its pieces, read from the dump file, the SchedaModello rows of
// the card of that name in the current archive: the card header is created when missing and the
// old pieces deleted first; each run of the model's records in the dump is written in its own
// transaction. Errors go to the error dialog as "Proc:ImportaModello_Error".
void ImportaModello(const QString& dumpPath);

// The Accumark import command: the area chooser, the dump utility, ImportaModello. Its own
// failing steps are skipped.
void ImportAccumarkModel(TransferWindow& window);

} // namespace transfer
