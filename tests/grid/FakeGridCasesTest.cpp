#include "tests/support/grid/FakeGridFactory.h"
#include "tests/support/grid/GrivoCaseTest.h"
#include "tests/support/grid/GrivoCases.h"

namespace {

using namespace gridtest;

class FakeGridCases : public GrivoCaseTest {
protected:
    GridFactory& factory() override { return m_factory; }

private:
    FakeGridFactory m_factory;
};

TEST_P(FakeGridCases, LeavesTheGridAsTheCaseSays)
{
    run();
}

INSTANTIATE_TEST_SUITE_P(Grivola, FakeGridCases, testing::ValuesIn(grivoCases()), caseName);

} // namespace
