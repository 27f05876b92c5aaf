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

} // namespace automation
