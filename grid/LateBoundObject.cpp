#include "grid/LateBoundObject.h"

#include <utility>

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

automation::Variant LateBoundObject::get(QStringView member, std::vector<automation::Variant> indices) const
{
    return object().get(member.toString(), std::move(indices));
}

void LateBoundObject::set(QStringView member, const automation::Variant& value) const
{
    object().set(member.toString(), value);
}

void LateBoundObject::set(QStringView member, std::vector<automation::Variant> indices,
                          const automation::Variant& value) const
{
    object().set(member.toString(), std::move(indices), value);
}

void LateBoundObject::call(QStringView member, std::vector<automation::Variant> arguments) const
{
    object().call(member.toString(), std::move(arguments));
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
