#include "explorer/store/engine/Field.h"

#include <utility>

#include "explorer/store/engine/Recordset.h"
#include "explorer/store/engine/RecordsetState.h"

namespace store {

Field::Field(std::shared_ptr<RecordsetState> recordset, int column)
    : m_recordset(std::move(recordset)), m_column(column)
{
}

automation::Variant Field::Value() const
{
    return Recordset::valueOf(m_recordset, m_column);
}

void Field::SetValue(const automation::Variant& value)
{
    Recordset::setValueOf(m_recordset, m_column, value);
}

int Field::Size() const
{
    return Recordset::stateOf(m_recordset).columns[std::size_t(m_column)].type.size;
}

int Field::Type() const
{
    return Recordset::stateOf(m_recordset).columns[std::size_t(m_column)].type.type;
}

QString Field::Name() const
{
    return Recordset::stateOf(m_recordset).columns[std::size_t(m_column)].name;
}

} // namespace store
