#pragma once

#include <memory>

#include "tests/support/grid/GridPlan.h"
#include "tests/support/grid/GridUnderTest.h"

namespace gridtest {

// Makes the grids a test table runs on: the pure fake first, the Qt grid bridge later.
class GridFactory {
public:
    virtual ~GridFactory() = default;
    virtual std::unique_ptr<GridUnderTest> make(const GridPlan& plan) = 0;
};

} // namespace gridtest
