#include "tests/support/grid/HiddenMembers.h"

#include <utility>

namespace gridtest {

HiddenMembers::HiddenMembers(automation::ObjectRef object, QStringList hidden)
    : m_object(std::move(object)), m_hidden(std::move(hidden))
{
}

int HiddenMembers::idOfName(const QString& name) const
{
    if (m_hidden.contains(name, Qt::CaseInsensitive))
        return unknownName;
    return m_object->idOfName(name);
}

automation::Variant HiddenMembers::invoke(int dispatchId, automation::InvokeKind kind,
                                          std::vector<automation::Variant>& arguments)
{
    return m_object->invoke(dispatchId, kind, arguments);
}

} // namespace gridtest
