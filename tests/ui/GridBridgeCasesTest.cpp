// Every case of Grivola's command table through the real Qt grid.
#include "BridgeGridFactory.h"
#include "tests/support/grid/GrivoCaseTest.h"
#include "tests/support/grid/GrivoCases.h"

namespace {

using namespace gridtest;

class BridgeGridCases : public GrivoCaseTest {
protected:
    GridFactory& factory() override { return m_factory; }

private:
    BridgeGridFactory m_factory;
};

TEST_P(BridgeGridCases, LeavesTheGridAsTheCaseSays)
{
    run();
}

INSTANTIATE_TEST_SUITE_P(GridBridge, BridgeGridCases, testing::ValuesIn(grivoCases()), caseName);

} // namespace
