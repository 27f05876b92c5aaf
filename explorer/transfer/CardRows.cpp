#include "explorer/transfer/CardRows.h"

#include "explorer/store/CardSchema.h"

namespace transfer {

QString selectCardRows(QLatin1String table, const QString& key)
{
    return QStringLiteral("Select * from ") + table + u' ' + store::cardSchema::cardCondition(key);
}

} // namespace transfer
