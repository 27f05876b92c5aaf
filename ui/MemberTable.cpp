#include "ui/MemberTable.h"

#include "automation/DefaultMember.h"
#include "platform/RuntimeError.h"

namespace ui {

namespace {

constexpr int readOnlyProperty = 383;
constexpr int memberNotFound = 438;
constexpr int wrongNumberOfArguments = 450;

} // namespace

MemberTable::MemberTable(const QString& interfaceName)
{
    m_interface.name = interfaceName;
    m_interface.dual = false;
}

MemberTable& MemberTable::property(const char16_t* name, Getter get, Setter put)
{
    return add(name, Member{std::move(get), std::move(put), {}});
}

MemberTable& MemberTable::method(const char16_t* name, Method call)
{
    return add(name, Member{{}, {}, std::move(call)});
}

MemberTable& MemberTable::add(const char16_t* name, Member member)
{
    const bool hasValue = member.get || member.call;
    m_members.push_back(std::move(member));
    m_interface.methods.push_back(automation::MethodInfo{
        QString::fromUtf16(name), {}, hasValue ? std::optional(automation::VarType::Variant) : std::nullopt});
    return *this;
}

MemberTable& MemberTable::asDefault()
{
    m_default = int(m_members.size()) - 1;
    return *this;
}

int MemberTable::idOf(const QString& name) const
{
    const int index = m_interface.indexOf(name);
    return index < 0 ? automation::DispatchObject::unknownName : m_interface.dispatchIdOf(index);
}

automation::Variant MemberTable::invoke(QWidget& widget, int dispatchId, automation::InvokeKind kind,
                                        std::vector<Variant>& arguments) const
{
    const int index =
        dispatchId == automation::defaultMemberId ? m_default : dispatchId - automation::InterfaceInfo::firstDispatchId;
    if (index < 0 || std::size_t(index) >= m_members.size())
        throw platform::RuntimeError(memberNotFound);
    const Member& member = m_members[std::size_t(index)];
    if (kind == automation::InvokeKind::PropertyPut) {
        if (!member.put)
            throw platform::RuntimeError(member.get ? readOnlyProperty : memberNotFound);
        if (arguments.size() != 1)
            throw platform::RuntimeError(wrongNumberOfArguments);
        member.put(widget, arguments.front());
        return Variant();
    }
    if (member.call)
        return member.call(widget, arguments);
    if (!member.get)
        throw platform::RuntimeError(memberNotFound);
    if (!arguments.empty())
        throw platform::RuntimeError(wrongNumberOfArguments);
    return member.get(widget);
}

} // namespace ui
