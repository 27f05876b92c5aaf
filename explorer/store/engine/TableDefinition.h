#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "explorer/store/engine/FieldType.h"

namespace store {

struct ColumnDefinition {
    QString name;
    FieldType type = dbText;
    int size = 0; // length of a text column
};

// A table of a new database: its columns in order, the columns that get an index (not unique)
// and the columns of its primary key, which refuses a second row with the same values (3022)
// and a Null (3314).
struct TableDefinition {
    QString name;
    QList<ColumnDefinition> columns;
    QStringList indexedColumns;
    QStringList keyColumns = {};
};

} // namespace store
