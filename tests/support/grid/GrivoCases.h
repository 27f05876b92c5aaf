#pragma once

#include "tests/support/grid/GrivoCase.h"

#include <vector>

namespace gridtest {

// The table of Grivola's commands, the same for every kind of grid.
std::vector<GrivoCase> grivoCases();

} // namespace gridtest
