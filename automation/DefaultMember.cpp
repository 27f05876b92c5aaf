#include "automation/DefaultMember.h"

#include <vector>

#include "automation/DispatchObject.h"
#include "platform/RuntimeError.h"

namespace automation {

Variant defaultValueOf(const Variant& value)
{
    if (!value.isObject())
        return value;
    const ObjectRef object = value.toObject();
    if (!object)
        throw platform::RuntimeError(91);
    std::vector<Variant> none;
    return object->invoke(defaultMemberId, InvokeKind::PropertyGet, none);
}

} // namespace automation
