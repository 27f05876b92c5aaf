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

// A table of a new database: its columns in order and the columns that get an index (not unique).
struct TableDefinition {
    QString name;
    QList<ColumnDefinition> columns;
    QStringList indexedColumns;
};

} // namespace store
