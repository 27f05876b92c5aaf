#pragma once

#include <memory>

#include <QString>

#include "explorer/store/engine/Field.h"

namespace store {

struct RecordsetState;
struct WriteStatement;
class SqliteStatement;

// The rows a SELECT returned, read in full when it opens, with a current row. Rows of a
// recordset on one table can be added, edited and deleted; each Update stores one row.
class Recordset {
public:
    Recordset() = default;

    // EOF and BOF of the engine (EOF is a macro of the C library).
    bool Eof() const;
    bool Bof() const;

    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    // The rows of the recordset; complete from the start.
    int RecordCount() const;

    // Moves to the first (next, previous, last) row meeting criteria, a condition in the
    // statement dialect ("Login = 'x'"); NoMatch tells whether none did, and then the current
    // row stays.
    void FindFirst(const QString& criteria);
    void FindNext(const QString& criteria);
    void FindPrevious(const QString& criteria);
    void FindLast(const QString& criteria);
    bool NoMatch() const;

    void AddNew();
    void Edit();
    // Stores the row being added or edited: 3163 when a text is longer than its field.
    void Update();
    void CancelUpdate();
    void Delete();

    Field Fields(const QString& name) const; // 3265 for a name the recordset does not have
    Field Fields(int index) const;
    int FieldCount() const;
    bool Updatable() const;
    void Close();

private:
    friend class Database;
    friend class Field;
    explicit Recordset(std::shared_ptr<RecordsetState> state);
    static RecordsetState& stateOf(const std::shared_ptr<RecordsetState>& state);
    RecordsetState& state() const { return stateOf(m_state); }
    static RecordsetState& currentRowOf(RecordsetState& recordset);
    RecordsetState& currentRow() const { return currentRowOf(state()); }
    void leaveEdit() const;
    void find(const QString& criteria, bool forward, int startRow);
    SqliteStatement& writeStatement(WriteStatement& write, bool adding);
    int bindChangedValues(SqliteStatement& statement) const; // returns the next parameter's index
    void storeAddedRow();
    void storeEditedRow();

    static automation::Variant valueOf(const std::shared_ptr<RecordsetState>& state, int column);
    static void setValueOf(const std::shared_ptr<RecordsetState>& state, int column, const automation::Variant& value);

    std::shared_ptr<RecordsetState> m_state;
};

} // namespace store
