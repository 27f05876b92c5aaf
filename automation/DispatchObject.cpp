#include "automation/DispatchObject.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace {

int requireId(const DispatchObject& object, const QString& name)
{
    const int id = object.idOfName(name);
    if (id == DispatchObject::unknownName)
        throw platform::RuntimeError(platform::MemberNotFound);
    return id;
}

} // namespace

Variant DispatchObject::call(const QString& name, std::vector<Variant> arguments)
{
    return invoke(requireId(*this, name), InvokeKind::Method, arguments);
}

Variant DispatchObject::callByRef(const QString& name, std::vector<Variant>& arguments)
{
    return invoke(requireId(*this, name), InvokeKind::Method, arguments);
}

Variant DispatchObject::get(const QString& property)
{
    std::vector<Variant> none;
    return invoke(requireId(*this, property), InvokeKind::PropertyGet, none);
}

void DispatchObject::set(const QString& property, const Variant& value)
{
    std::vector<Variant> arguments{value};
    invoke(requireId(*this, property), InvokeKind::PropertyPut, arguments);
}

Variant DispatchObject::get(const QString& property, std::vector<Variant> indices)
{
    return invoke(requireId(*this, property), InvokeKind::PropertyGet, indices);
}

void DispatchObject::set(const QString& property, std::vector<Variant> indices, const Variant& value)
{
    indices.push_back(value);
    invoke(requireId(*this, property), InvokeKind::PropertyPut, indices);
}

} // namespace automation
