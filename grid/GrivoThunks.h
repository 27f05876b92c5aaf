#pragma once

#include <vector>

#include "automation/TypedDispatch.h"
#include "grid/Grivo.h"

namespace grid {

// One thunk per method of _Grivo in slot order.
std::vector<automation::TypedDispatch::Thunk> grivoThunks(_Grivo& object);

} // namespace grid
