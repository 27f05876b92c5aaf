#pragma once

#include <vector>

#include "tests/support/grid/GrivoCase.h"

namespace gridtest {

// The table of Grivola's commands, the same for every kind of grid.
std::vector<GrivoCase> grivoCases();

} // namespace gridtest
