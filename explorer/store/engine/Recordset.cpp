#include "explorer/store/engine/Recordset.h"

#include <algorithm>
#include <utility>

#include <QStringList>

#include <sqlite3.h>

#include "explorer/store/engine/DatabaseState.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/FieldValue.h"
#include "explorer/store/engine/RecentTexts.h"
#include "explorer/store/engine/RecordsetState.h"
#include "explorer/store/engine/SqlDialect.h"

namespace store {

namespace {

// What a statement writing a recordset's row is made of.
struct WriteParts {
    QString table;
    bool adding;
    QStringList columns;
    friend bool operator==(const WriteParts&, const WriteParts&) = default;
};

// The INSERT (adding) or UPDATE by row id of the columns of table.
QString writeText(const QString& table, bool adding, const QStringList& columns)
{
    QStringList names;
    QStringList placeholders;
    for (const QString& column : columns) {
        names.append(SqlDialect::quoteIdentifier(column) + (adding ? QString() : QStringLiteral(" = ?")));
        placeholders.append(QStringLiteral("?"));
    }
    const QString quotedTable = SqlDialect::quoteIdentifier(table);
    if (!adding)
        return QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedTable, names.join(QStringLiteral(", ")));
    if (names.isEmpty())
        return QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedTable, names.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));
}

using automation::Variant;
using Position = RecordsetState::Position;
using EditMode = RecordsetState::EditMode;

const int objectNotSet = 91;

int nextLiveRow(const RecordsetState& recordset, int from)
{
    for (int row = std::max(from, 0); row < recordset.rows.rowCount(); ++row) {
        if (!recordset.rows.isDeleted(row))
            return row;
    }
    return -1;
}

int previousLiveRow(const RecordsetState& recordset, int from)
{
    for (int row = std::min(from, recordset.rows.rowCount() - 1); row >= 0; --row) {
        if (!recordset.rows.isDeleted(row))
            return row;
    }
    return -1;
}

void moveTo(RecordsetState& recordset, int row, Position otherwise)
{
    recordset.position = row >= 0 ? Position::OnRow : otherwise;
    recordset.current = row;
}

QString columnList(const RecordsetState& recordset)
{
    QStringList names;
    for (const RecordsetColumn& column : recordset.columns)
        names.append(SqlDialect::quoteIdentifier(column.originName));
    return names.join(QStringLiteral(", "));
}

// Reads a stored row back as the table now holds it (defaults, conversions), when the row was
// added or edited since it was last read: done when its values are first wanted, so that a
// recordset that only writes rows never reads them back.
void loadPendingRow(RecordsetState& recordset, int row)
{
    if (!recordset.reload)
        recordset.reload.emplace(recordset.database->connection.prepare(
            QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid = ?")
                .arg(columnList(recordset), SqlDialect::quoteIdentifier(recordset.table)),
            QString()));
    SqliteStatement& select = *recordset.reload;
    select.bindInteger(1, recordset.rows.rowid(row));
    if (select.step()) {
        recordset.rows.replace(row, select.handle(), 1);
    } else if (!recordset.rows.isDeleted(row)) {
        recordset.rows.markDeleted(row);
        --recordset.liveRows;
    }
    select.reset();
}

inline void loadRow(RecordsetState& recordset, int row)
{
    if (recordset.rows.isPending(row))
        loadPendingRow(recordset, row);
}

void checkTextLengths(const RecordsetState& recordset)
{
    for (std::size_t i = 0; i < recordset.columns.size(); ++i) {
        const ColumnType& type = recordset.columns[i].type;
        const Variant& value = recordset.buffer[i];
        if (recordset.changed[i] && type.type == dbText && value.type() == automation::VarType::String &&
            value.toString().size() > type.size)
            throw engineError::make(engineError::FieldTooSmall);
    }
}

// One statement that tells, for a row's values bound in column order, whether the criteria hold.
class CriteriaTest {
public:
    CriteriaTest(const RecordsetState& recordset, const QString& criteria)
        : m_rows(recordset.rows), m_statement(prepare(recordset, criteria))
    {
    }

    bool holdsFor(int row)
    {
        m_statement.reset();
        for (int column = 0; column < m_rows.columnCount(); ++column)
            bindCell(row, column);
        return m_statement.step();
    }

private:
    static SqliteStatement prepare(const RecordsetState& recordset, const QString& criteria)
    {
        const TranslatedExpression expression = SqlDialect::translateCriteria(criteria);
        QStringList values;
        for (const RecordsetColumn& column : recordset.columns)
            values.append(QStringLiteral("? COLLATE NOCASE AS ") + SqlDialect::quoteIdentifier(column.name));
        const QString sql =
            QStringLiteral("SELECT 1 FROM (SELECT %1) WHERE (%2)")
                .arg(values.isEmpty() ? QStringLiteral("NULL") : values.join(QStringLiteral(", ")), expression.sql);
        SqliteStatement statement = recordset.database->connection.prepare(sql, criteria);
        statement.bindTexts(expression.parameters, int(recordset.columns.size()) + 1);
        return statement;
    }

    void bindCell(int row, int column)
    {
        const int index = column + 1;
        switch (m_rows.storage(row, column)) {
        case RowCache::Storage::Null:
            m_statement.bindNull(index);
            break;
        case RowCache::Storage::Integer:
            m_statement.bindInteger(index, m_rows.integer(row, column));
            break;
        case RowCache::Storage::Real:
            m_statement.bindDouble(index, m_rows.real(row, column));
            break;
        case RowCache::Storage::Text:
            m_statement.bindUtf16(index, m_rows.textView(row, column));
            break;
        }
    }

    const RowCache& m_rows;
    SqliteStatement m_statement;
};

} // namespace

Recordset::Recordset(std::shared_ptr<RecordsetState> state) : m_state(std::move(state)) {}

RecordsetState& Recordset::stateOf(const std::shared_ptr<RecordsetState>& state)
{
    if (!state)
        throw platform::RuntimeError(objectNotSet);
    if (!state->open || !state->database->connection.isOpen())
        throw engineError::make(engineError::ObjectClosed);
    return *state;
}

RecordsetState& Recordset::currentRowOf(RecordsetState& recordset)
{
    if (recordset.position != Position::OnRow)
        throw engineError::make(engineError::NoCurrentRecord);
    loadRow(recordset, recordset.current);
    if (recordset.rows.isDeleted(recordset.current))
        throw engineError::make(engineError::RecordDeleted);
    return recordset;
}

void Recordset::leaveEdit() const
{
    RecordsetState& recordset = *m_state;
    recordset.editMode = EditMode::None;
    recordset.buffer.clear();
    recordset.changed.clear();
}

bool Recordset::Eof() const
{
    const RecordsetState& recordset = state();
    return recordset.position == Position::AfterLast ||
           (recordset.liveRows == 0 && recordset.position != Position::OnRow);
}

bool Recordset::Bof() const
{
    const RecordsetState& recordset = state();
    return recordset.position == Position::BeforeFirst ||
           (recordset.liveRows == 0 && recordset.position != Position::OnRow);
}

void Recordset::MoveFirst()
{
    RecordsetState& recordset = state();
    const int row = nextLiveRow(recordset, 0);
    if (row < 0)
        throw engineError::make(engineError::NoCurrentRecord);
    leaveEdit();
    moveTo(recordset, row, Position::AfterLast);
}

void Recordset::MoveLast()
{
    RecordsetState& recordset = state();
    const int row = previousLiveRow(recordset, recordset.rows.rowCount() - 1);
    if (row < 0)
        throw engineError::make(engineError::NoCurrentRecord);
    leaveEdit();
    moveTo(recordset, row, Position::AfterLast);
}

void Recordset::MoveNext()
{
    RecordsetState& recordset = state();
    if (Eof())
        throw engineError::make(engineError::NoCurrentRecord);
    leaveEdit();
    const int from = recordset.position == Position::BeforeFirst ? 0 : recordset.current + 1;
    moveTo(recordset, nextLiveRow(recordset, from), Position::AfterLast);
}

void Recordset::MovePrevious()
{
    RecordsetState& recordset = state();
    if (Bof())
        throw engineError::make(engineError::NoCurrentRecord);
    leaveEdit();
    const int from = recordset.position == Position::AfterLast ? recordset.rows.rowCount() - 1 : recordset.current - 1;
    moveTo(recordset, previousLiveRow(recordset, from), Position::BeforeFirst);
}

int Recordset::RecordCount() const
{
    return state().liveRows;
}

void Recordset::find(const QString& criteria, bool forward, int startRow)
{
    RecordsetState& recordset = state();
    CriteriaTest test(recordset, criteria);
    leaveEdit();
    const int step = forward ? 1 : -1;
    for (int row = startRow; row >= 0 && row < recordset.rows.rowCount(); row += step) {
        loadRow(recordset, row);
        if (!recordset.rows.isDeleted(row) && test.holdsFor(row)) {
            moveTo(recordset, row, Position::AfterLast);
            recordset.noMatch = false;
            return;
        }
    }
    recordset.noMatch = true;
}

void Recordset::FindFirst(const QString& criteria)
{
    find(criteria, true, 0);
}

void Recordset::FindLast(const QString& criteria)
{
    find(criteria, false, state().rows.rowCount() - 1);
}

void Recordset::FindNext(const QString& criteria)
{
    const RecordsetState& recordset = state();
    switch (recordset.position) {
    case Position::BeforeFirst:
        return find(criteria, true, 0);
    case Position::OnRow:
        return find(criteria, true, recordset.current + 1);
    case Position::AfterLast:
        return find(criteria, true, recordset.rows.rowCount());
    }
}

void Recordset::FindPrevious(const QString& criteria)
{
    const RecordsetState& recordset = state();
    switch (recordset.position) {
    case Position::BeforeFirst:
        return find(criteria, false, -1);
    case Position::OnRow:
        return find(criteria, false, recordset.current - 1);
    case Position::AfterLast:
        return find(criteria, false, recordset.rows.rowCount() - 1);
    }
}

bool Recordset::NoMatch() const
{
    return state().noMatch;
}

bool Recordset::Updatable() const
{
    return !state().table.isEmpty();
}

void Recordset::AddNew()
{
    RecordsetState& recordset = state();
    if (recordset.table.isEmpty())
        throw engineError::make(engineError::ReadOnly);
    recordset.buffer.assign(recordset.columns.size(), Variant::null());
    recordset.changed.assign(recordset.columns.size(), false);
    recordset.editMode = EditMode::AddNew;
}

void Recordset::Edit()
{
    RecordsetState& recordset = currentRow();
    if (recordset.table.isEmpty())
        throw engineError::make(engineError::ReadOnly);
    recordset.buffer.clear();
    for (int column = 0; column < int(recordset.columns.size()); ++column)
        recordset.buffer.push_back(fieldValue::fromCell(recordset.rows, recordset.current, column,
                                                        recordset.columns[std::size_t(column)].type.type));
    recordset.changed.assign(recordset.columns.size(), false);
    recordset.editMode = EditMode::Edit;
}

void Recordset::Update()
{
    RecordsetState& recordset = state();
    if (recordset.editMode == EditMode::None)
        throw engineError::make(engineError::UpdateWithoutEdit);
    checkTextLengths(recordset);
    if (recordset.editMode == EditMode::AddNew)
        storeAddedRow();
    else
        storeEditedRow();
    leaveEdit();
}

// The statement of write for the columns changed now, prepared when they differ from last time.
SqliteStatement& Recordset::writeStatement(WriteStatement& write, bool adding)
{
    RecordsetState& recordset = *m_state;
    if (write.statement && write.columns == recordset.changed)
        return *write.statement;
    write.statement.reset();
    QStringList names;
    for (std::size_t i = 0; i < recordset.columns.size(); ++i) {
        if (recordset.changed[i])
            names.append(recordset.columns[i].originName);
    }
    // Each recordset a card's import opens writes the same columns as the card before.
    thread_local RecentTexts<WriteParts> made;
    const QString sql =
        made.of(WriteParts{recordset.table, adding, names}, [&] { return writeText(recordset.table, adding, names); });
    write.statement.emplace(recordset.database->connection.prepare(sql, QString()));
    write.columns = recordset.changed;
    return *write.statement;
}

int Recordset::bindChangedValues(SqliteStatement& statement) const
{
    const RecordsetState& recordset = *m_state;
    int index = 1;
    for (std::size_t i = 0; i < recordset.columns.size(); ++i) {
        if (recordset.changed[i])
            fieldValue::bind(statement, index++, recordset.buffer[i]);
    }
    return index;
}

void Recordset::storeAddedRow()
{
    RecordsetState& recordset = *m_state;
    SqliteStatement& insert = writeStatement(recordset.insert, true);
    bindChangedValues(insert);
    insert.step();
    insert.reset();
    recordset.rows.appendPending(recordset.database->connection.lastInsertRowid());
    ++recordset.liveRows;
}

void Recordset::storeEditedRow()
{
    RecordsetState& recordset = *m_state;
    if (std::find(recordset.changed.begin(), recordset.changed.end(), true) == recordset.changed.end())
        return;
    SqliteStatement& update = writeStatement(recordset.update, false);
    const qint64 rowid = recordset.rows.rowid(recordset.current);
    update.bindInteger(bindChangedValues(update), rowid);
    update.step();
    update.reset();
    if (recordset.database->connection.changes() == 0)
        throw engineError::make(engineError::RecordDeleted);
    recordset.rows.markPending(recordset.current);
}

void Recordset::CancelUpdate()
{
    if (state().editMode == EditMode::None)
        throw engineError::make(engineError::UpdateWithoutEdit);
    leaveEdit();
}

void Recordset::Delete()
{
    RecordsetState& recordset = currentRow();
    if (recordset.table.isEmpty())
        throw engineError::make(engineError::ReadOnly);
    leaveEdit();
    if (!recordset.remove)
        recordset.remove.emplace(recordset.database->connection.prepare(
            QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(SqlDialect::quoteIdentifier(recordset.table)),
            QString()));
    SqliteStatement& remove = *recordset.remove;
    remove.bindInteger(1, recordset.rows.rowid(recordset.current));
    remove.step();
    remove.reset();
    recordset.rows.markDeleted(recordset.current);
    --recordset.liveRows;
}

Field Recordset::Fields(const QString& name) const
{
    const RecordsetState& recordset = state();
    // Callers mostly spell names as the table does: an exact match is the cheap first try.
    for (int column = 0; column < int(recordset.columns.size()); ++column) {
        const QString& candidate = recordset.columns[std::size_t(column)].name;
        if (candidate.size() == name.size() && QStringView(candidate) == QStringView(name))
            return Field(m_state, column);
    }
    for (int column = 0; column < int(recordset.columns.size()); ++column) {
        if (recordset.columns[std::size_t(column)].name.compare(name, Qt::CaseInsensitive) == 0)
            return Field(m_state, column);
    }
    throw engineError::make(engineError::ItemNotFound);
}

Field Recordset::Fields(int index) const
{
    if (index < 0 || index >= int(state().columns.size()))
        throw engineError::make(engineError::ItemNotFound);
    return Field(m_state, index);
}

int Recordset::FieldCount() const
{
    return int(state().columns.size());
}

void Recordset::Close()
{
    RecordsetState& recordset = state();
    recordset.open = false;
    recordset.rows = RowCache();
    recordset.buffer.clear();
    recordset.changed.clear();
    recordset.insert = {};
    recordset.update = {};
    recordset.reload.reset();
    recordset.remove.reset();
}

Variant Recordset::valueOf(const std::shared_ptr<RecordsetState>& state, int column)
{
    RecordsetState& recordset = stateOf(state);
    if (recordset.editMode != EditMode::None)
        return recordset.buffer[std::size_t(column)];
    currentRowOf(recordset);
    return fieldValue::fromCell(recordset.rows, recordset.current, column,
                                recordset.columns[std::size_t(column)].type.type);
}

void Recordset::setValueOf(const std::shared_ptr<RecordsetState>& state, int column, const Variant& value)
{
    RecordsetState& recordset = stateOf(state);
    if (recordset.editMode == EditMode::None)
        throw engineError::make(engineError::UpdateWithoutEdit);
    const RecordsetColumn& target = recordset.columns[std::size_t(column)];
    if (target.originName.isEmpty())
        throw engineError::make(engineError::FieldNotUpdatable);
    recordset.buffer[std::size_t(column)] = fieldValue::toColumn(value, target.type.type);
    recordset.changed[std::size_t(column)] = true;
}

} // namespace store
