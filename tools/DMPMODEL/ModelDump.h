#pragma once

#include <QByteArray>
#include <QString>

// The dump of a storage area, as a stand-in for Accumark's DMPMODEL writes it: two header lines,
// then one record of 14 comma-separated fields per piece of every model of the area.
//
// An area is a folder: "X:\NAME" is X:\userroot\storage\NAME; a name without a drive is a network
// area, c:\userroot\system\state\stordir\NAME. Each model of the area is a file NAME.MOD (the file's
// base name is the model name), Windows-1252 text, one piece per line:
//
//     piece name;category;quantity;mirrored quantity;material
//
// Missing trailing fields are empty; blank lines and lines starting with ";" are comments.
// The record of a piece holds the model (1), the piece name (2), the category (3), the two
// quantities (4, 5) and the material (13); the other fields are empty.
namespace dmpmodel {

// The Windows folder of an area entry.
QString areaFolder(const QString& area);

// The dump text of the area in Windows-1252 with CR LF line ends. Raises 76 when the area folder
// does not exist.
QByteArray dumpArea(const QString& area);

} // namespace dmpmodel
