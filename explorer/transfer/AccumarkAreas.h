#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace utilex {
class _UtilexClass;
}

// The Accumark storage areas on the workstation's disks.
namespace transfer {

// The area folders under disk + "userroot\storage\" (disk is a drive root such as "D:\"), or
// under "c:\userroot\system\state\stordir\" for the disk "Network": the names of the folders
// whose attributes are the directory attribute alone, in listing order. Failures are skipped; a
// missing folder gives no names.
QStringList ListaAreeAccumarkByDisk(const QString& disk);

// The areas of a network kind: "Windows" gives "X:\" + name for every ready drive from C to Z that
// holds X:\userroot\storage; "Network NFS" gives the names of the network areas. Any other kind
// gives nothing at all. Errors go to the error dialog as "GetAccumarkArea".
std::optional<QStringList> GetAccumarkArea(utilex::_UtilexClass& utility, const QString& TipoRete);

} // namespace transfer
