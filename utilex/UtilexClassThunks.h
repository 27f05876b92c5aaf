#pragma once

#include <vector>

#include "automation/TypedDispatch.h"
#include "utilex/UtilexClass.h"

namespace utilex {

// One thunk per method of _UtilexClass in slot order: each takes the dispatcher's converted
// arguments, calls the virtual method on object and puts the by-reference values back.
std::vector<automation::TypedDispatch::Thunk> utilexThunks(_UtilexClass& object);

} // namespace utilex
