#pragma once

#include "automation/ComponentServer.h"

namespace utilex {

// The in-process server of Utilex4: its type library, its one class factory and its count of
// live instances.
automation::ComponentServer& componentServer();

} // namespace utilex
