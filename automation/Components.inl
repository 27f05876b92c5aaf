#pragma once

#include "platform/RuntimeError.h"

namespace automation {

template <class Interface> std::shared_ptr<Interface> createObjectAs(const QString& progIdOrClsid)
{
    auto object = createObject(progIdOrClsid);
    auto typed = std::dynamic_pointer_cast<Interface>(object);
    if (!typed)
        throw platform::RuntimeError(13);
    return typed;
}

} // namespace automation
