#pragma once

#include <QList>
#include <QString>

#include "explorer/store/engine/TableDefinition.h"

namespace store {

// Whole database files. Both operations are atomic: the work is done on a new file beside the
// target, which is renamed into place only when complete, so a crash leaves the old file or
// the new one and never a broken one.
class DatabaseFile {
public:
    // A new database with these tables (text columns compare ignoring case). Paths are Windows
    // paths; one without extension gets ".mdb". Raises 3204 when the file exists, 3044 when its
    // folder is missing.
    static void create(const QString& windowsPath, const QList<TableDefinition>& tables);
    // Compacts a database in place while holding it exclusively: 3024 when it is missing, 3343
    // when it is no database, 3045 when someone has it open.
    static void compact(const QString& windowsPath);
};

} // namespace store
