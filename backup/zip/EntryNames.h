#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// The names of a SalvixZip archive's entries: a file's path below its drive root, with "/"
// between folders, so that extracting below a drive root puts the file back where it was.
namespace salvixzip::entryNames {

// "C:\Tramex\Schede\UOMO.mdb" -> "Tramex/Schede/UOMO.mdb", each component spelt as on disk.
QString ofFile(const QString& windowsPath);

// The folders and the file name an entry names (an empty file name for a folder entry); none
// for a name that could write outside the base folder: absolute, with a drive letter, climbing
// with "..", or with a component Windows takes for no plain file name.
struct Parts {
    QStringList folders;
    QString fileName;
};
std::optional<Parts> partsOf(const QString& entryName);

} // namespace salvixzip::entryNames
