#pragma once

#include <cstddef>

#include <QString>

namespace bench {

// Reads every card header of an archive through a recordset as the card list is filled: the
// archive opened exclusively, "Select * from Modelli;", each row's six fields as text.
std::size_t readCardList(const QString& archive);

// The floor of the same: SQLite in this process reading the six fields of every row as text.
std::size_t readCardListWithSqlite(const QString& hostPath);

} // namespace bench
