#pragma once

#include <vector>

#include "automation/TypedDispatch.h"
#include "utilex/FirstUtilexClass.h"

namespace utilex::first {

// One thunk per method of Utilex's _UtilexClass in slot order.
std::vector<automation::TypedDispatch::Thunk> utilexThunks(_UtilexClass& object);

} // namespace utilex::first
