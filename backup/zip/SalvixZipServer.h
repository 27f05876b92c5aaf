#pragma once

#include "automation/ComponentServer.h"

namespace salvixzip {

// The in-process server of SalvixZip: its type library, the factories of its two classes and
// its count of live instances.
automation::ComponentServer& componentServer();

} // namespace salvixzip
