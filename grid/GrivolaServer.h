#pragma once

#include "automation/ComponentServer.h"

namespace grid {

// The in-process server of Grivola: its type library, its one class factory and its count of
// live instances.
automation::ComponentServer& componentServer();

} // namespace grid
