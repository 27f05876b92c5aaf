#include "explorer/store/CardSchema.h"

#include "explorer/store/engine/SqlText.h"

namespace store::cardSchema {

QString cardCondition(const QString& key)
{
    return QStringLiteral("WHERE PCMTV = ") + sqlText(key);
}

QString deleteCardRows(QLatin1String table, const QString& key)
{
    return QStringLiteral("DELETE * FROM ") + table + QLatin1Char(' ') + cardCondition(key);
}

QString selectCardHeader(const QString& key)
{
    return QStringLiteral("Select * from Modelli ") + cardCondition(key);
}

} // namespace store::cardSchema
