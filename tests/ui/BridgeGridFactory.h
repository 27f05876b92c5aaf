#pragma once

#include "tests/support/grid/GridFactory.h"

// Makes the grids of the test table as real QTableWidgets handed over by the grid bridge, in a
// window shown on the offscreen platform, with a QLineEdit beside them as the text box.
class BridgeGridFactory : public gridtest::GridFactory {
public:
    std::unique_ptr<gridtest::GridUnderTest> make(const gridtest::GridPlan& plan) override;
};
