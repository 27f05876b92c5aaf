#include "grid/LateBoundObject.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace grid {

namespace {

constexpr int objectNotSet = 91;

} // namespace

LateBoundObject::LateBoundObject(automation::ObjectRef object) : m_object(std::move(object)) {}

automation::DispatchObject& LateBoundObject::object() const
{
    if (!m_object)
        throw platform::RuntimeError(objectNotSet);
    return *m_object;
}

int LateBoundObject::idOf(QStringView member) const
{
    for (const auto& [name, id] : m_ids)
        if (name == member)
            return id;
    const QString name = member.toString();
    const int id = object().idOfName(name);
    if (id == automation::DispatchObject::unknownName)
        throw platform::RuntimeError(platform::MemberNotFound);
    m_ids.emplace_back(name, id);
    return id;
}

automation::Variant LateBoundObject::invoke(QStringView member, automation::InvokeKind kind,
                                            std::vector<automation::Variant>& arguments) const
{
    automation::DispatchObject& target = object();
    return target.invoke(idOf(member), kind, arguments);
}

automation::Variant LateBoundObject::get(QStringView member, std::vector<automation::Variant> indices) const
{
    return invoke(member, automation::InvokeKind::PropertyGet, indices);
}

void LateBoundObject::set(QStringView member, const automation::Variant& value) const
{
    std::vector<automation::Variant> arguments{value};
    invoke(member, automation::InvokeKind::PropertyPut, arguments);
}

void LateBoundObject::set(QStringView member, std::vector<automation::Variant> indices,
                          const automation::Variant& value) const
{
    std::vector<automation::Variant> arguments;
    arguments.reserve(indices.size() + 1);
    std::move(indices.begin(), indices.end(), std::back_inserter(arguments));
    arguments.push_back(value);
    invoke(member, automation::InvokeKind::PropertyPut, arguments);
}

void LateBoundObject::call(QStringView member, std::vector<automation::Variant> arguments) const
{
    invoke(member, automation::InvokeKind::Method, arguments);
}

std::int16_t LateBoundObject::integer(QStringView member, std::vector<automation::Variant> indices) const
{
    return get(member, std::move(indices)).toInteger();
}

std::int32_t LateBoundObject::number(QStringView member) const
{
    return get(member).toLong();
}

std::int16_t toInteger(std::int32_t value)
{
    return automation::Variant::fromLong(value).toInteger();
}

automation::Variant index(int value)
{
    return automation::Variant::fromLong(value).convertedTo(automation::VarType::Integer);
}

} // namespace grid
