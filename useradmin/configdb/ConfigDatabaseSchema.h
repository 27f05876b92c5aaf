#pragma once

#include <QList>
#include <QString>

#include "explorer/store/engine/TableDefinition.h"

namespace useradmin {

// The configuration database "Tramex Config.mdb": the table Operatori with Login as its key, so
// that a second user with an existing login is refused (3022) instead of becoming a row that the
// search by login never finds. The eight truth-valued columns are Yes/No columns: whatever is
// written, a check box's 1 or True, they hold -1 for true and 0 for false.
class ConfigDatabaseSchema {
public:
    static const QString fileName; // "Tramex Config.mdb"

    static QList<store::TableDefinition> tables();
    // A new configuration database with an empty Operatori: 3204 when the file exists.
    static void createEmpty(const QString& windowsPath);
    // Whether a database path names the configuration database (".mdb" optional, case ignored).
    static bool isConfigDatabase(const QString& windowsPath);
};

} // namespace useradmin
