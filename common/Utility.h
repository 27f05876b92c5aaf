#pragma once

#include "utilex/UtilexClass.h"

namespace common {

// The process's one UtilexClass of Utilex4, created at its first use and bound by class id
// through the dual interface. Raises 429 when the component is not registered.
utilex::_UtilexClass& utility();

// Lets the instance go before the program ends; a later use creates a new one.
void releaseUtility();

} // namespace common
