#pragma once

#include <QLatin1String>
#include <QString>

namespace transfer {

// "Select * from TABLE WHERE PCMTV = 'key'": the rows of one card in one of its tables, the key's
// apostrophes doubled.
QString selectCardRows(QLatin1String table, const QString& key);

} // namespace transfer
