#pragma once

#include "automation/ComponentServer.h"

namespace utilex {

// The in-process server of the library module it is linked into, Utilex4 (UtilexServer.cpp) or
// Utilex (FirstUtilexServer.cpp): its type library, its one class factory and its count of live
// instances.
automation::ComponentServer& componentServer();

} // namespace utilex
