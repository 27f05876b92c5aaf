#pragma once

#include "automation/Variant.h"
#include "explorer/store/engine/FieldType.h"
#include "explorer/store/engine/RowCache.h"

namespace store {

class SqliteStatement;

// How field values travel between the engine's Variants and SQLite's storage.
namespace fieldValue {

// The value of a cell as a field of this type reads it; a stored value that does not suit the
// type comes back as it is stored.
automation::Variant fromCell(const RowCache& rows, int row, int column, FieldType type);

// value converted to what a column of this type holds (Empty and Null become Null); raises 3421
// when it cannot be converted.
automation::Variant toColumn(const automation::Variant& value, FieldType type);

// Binds a value made by toColumn: Yes/No as -1 and 0, dates as "yyyy-mm-dd hh:mm:ss".
void bind(SqliteStatement& statement, int index, const automation::Variant& value);

// The type a column without a known declaration gets from the values it holds.
ColumnType inferredType(const RowCache& rows, int column);

} // namespace fieldValue
} // namespace store
