#pragma once

#include <memory>

#include <QString>

#include "automation/Variant.h"

namespace store {

struct RecordsetState;

// A column of a recordset; its value follows the recordset's current row.
class Field {
public:
    // The current row's value, or the value being written while the row is added or edited;
    // Null when the column holds none.
    automation::Variant Value() const;
    // Only while the row is added or edited (3020 otherwise); 3421 when the value does not
    // convert to the field's type.
    void SetValue(const automation::Variant& value);
    // A text column's length; a number column's storage bytes.
    int Size() const;
    int Type() const;
    QString Name() const;

private:
    friend class Recordset;
    Field(std::shared_ptr<RecordsetState> recordset, int column);

    std::shared_ptr<RecordsetState> m_recordset;
    int m_column;
};

} // namespace store
