#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "automation/Variant.h"
#include "explorer/store/engine/FieldType.h"
#include "explorer/store/engine/RowCache.h"
#include "explorer/store/engine/SqliteStatement.h"

namespace store {

struct DatabaseState;

struct RecordsetColumn {
    QString name;       // as the result names it
    QString originName; // the table column behind it; empty for an expression
    ColumnType type;
};

// What a recordset takes from a select's columns, worked out once for a statement that the
// connection keeps, and good while SQLite has not prepared that statement again.
struct StatementColumns {
    int preparations = 0;    // how many times SQLite had prepared the statement again by then
    bool ofOneTable = false; // a select with the row id first, and then only plain columns of its table
    QString table;           // then that table, as the schema names it
    std::vector<RecordsetColumn> columns;
};

// A statement that writes the columns flagged, kept while the next write flags the same ones.
struct WriteStatement {
    std::vector<bool> columns;
    std::optional<SqliteStatement> statement;
};

// What the handles of one recordset share: its rows, read in full when it opens, its position,
// the row being edited, and the statements that write rows back, prepared once.
struct RecordsetState {
    enum class Position { BeforeFirst, OnRow, AfterLast };
    enum class EditMode { None, Edit, AddNew };

    std::shared_ptr<DatabaseState> database;
    bool open = true;
    QString table; // the table rows are written back to; empty when the recordset is read-only
    std::vector<RecordsetColumn> columns;
    RowCache rows;
    int liveRows = 0;
    Position position = Position::AfterLast;
    int current = -1;
    EditMode editMode = EditMode::None;
    std::vector<automation::Variant> buffer;
    std::vector<bool> changed;
    bool noMatch = false;
    WriteStatement insert;
    WriteStatement update;
    std::optional<SqliteStatement> reload;
    std::optional<SqliteStatement> remove;
};

} // namespace store
