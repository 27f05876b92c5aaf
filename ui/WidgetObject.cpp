#include "ui/WidgetObject.h"

#include "platform/RuntimeError.h"
#include "ui/MemberTable.h"

namespace ui {

WidgetObject::WidgetObject(QWidget& widget, const MemberTable& members) : m_widget(&widget), m_members(members) {}

int WidgetObject::idOfName(const QString& name) const
{
    return m_members.idOf(name);
}

automation::Variant WidgetObject::invoke(int dispatchId, automation::InvokeKind kind,
                                         std::vector<automation::Variant>& arguments)
{
    if (!m_widget)
        throw platform::RuntimeError(364);
    return m_members.invoke(*m_widget, dispatchId, kind, arguments);
}

const automation::InterfaceInfo* WidgetObject::interfaceInfo() const
{
    return &m_members.interface();
}

} // namespace ui
