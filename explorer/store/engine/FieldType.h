#pragma once

#include <optional>

#include <QString>

namespace store {

// Field types with the engine's own numbers, as Field::Type reports them.
enum FieldType : int {
    dbBoolean = 1,
    dbByte = 2,
    dbInteger = 3,
    dbLong = 4,
    dbCurrency = 5,
    dbSingle = 6,
    dbDouble = 7,
    dbDate = 8,
    dbText = 10,
    dbMemo = 12,
};

struct ColumnType {
    FieldType type = dbText;
    int size = 0; // a text column's length, a number column's storage bytes, 0 for a memo
};

// Reads a declared column type ("TEXT(20)", "LONG", "YESNO", "DOUBLE", ...); nullopt for a
// declaration the engine does not know.
std::optional<ColumnType> columnTypeFromDeclaration(const QString& declaration);

// The declaration a new column of this type gets ("TEXT(20)", "LONG", ...).
QString declarationOf(FieldType type, int textLength);

// Storage bytes of a number column; 255 for a text column of undeclared length.
int storageSize(FieldType type);

} // namespace store
