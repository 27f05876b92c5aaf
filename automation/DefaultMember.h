#pragma once

#include "automation/Variant.h"

namespace automation {

// The dispatch id of an object's default member (the runtime's DISPID_VALUE): a picture's
// Handle, a collection's Item.
inline constexpr int defaultMemberId = 0;

// What a value stands for where a plain value is needed: an object gives its default member,
// as the runtime reads CStr(Picture1.Picture) as the picture's handle. 91 for Nothing, 438 for
// an object without a default member; any other value is returned as it is.
Variant defaultValueOf(const Variant& value);

} // namespace automation
