#pragma once

#include <QList>
#include <QString>

#include "explorer/store/engine/TableDefinition.h"

namespace store {

// The three tables of a card archive: Modelli (one row per card), SchedaModello (its pieces)
// and SchedaPiazzato (its markers), joined by PCMTV, each with an index on PCMTV.
class CardArchiveSchema {
public:
    static QList<TableDefinition> tables();
    // A new, empty card archive at a Windows path (".mdb" added when it has no extension).
    static void createEmpty(const QString& windowsPath);
};

} // namespace store
