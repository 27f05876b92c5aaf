#pragma once

#include "tests/support/grid/GridFactory.h"

namespace gridtest {

// Makes FakeGrid grids with a FakeTextBox beside them.
class FakeGridFactory : public GridFactory {
public:
    std::unique_ptr<GridUnderTest> make(const GridPlan& plan) override;
};

} // namespace gridtest
