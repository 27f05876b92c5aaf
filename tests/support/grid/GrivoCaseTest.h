#pragma once

#include <gtest/gtest.h>

#include "automation/DispatchObject.h"
#include "interaction/ScriptedClipboard.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"
#include "tests/support/grid/GridFactory.h"
#include "tests/support/grid/GrivoCase.h"
#include "tests/support/grid/GrivolaWorkstation.h"

namespace gridtest {

// Runs the table of Grivola's commands on the grids of one factory. A test program derives from
// it, gives its factory and instantiates it over grivoCases():
//
//     class FakeGridCases : public GrivoCaseTest {
//         GridFactory& factory() override { return m_factory; }
//         FakeGridFactory m_factory;
//     };
//     TEST_P(FakeGridCases, LeavesTheGridAsTheCaseSays) { run(); }
//     INSTANTIATE_TEST_SUITE_P(Grivola, FakeGridCases, testing::ValuesIn(grivoCases()), caseName);
//
// Each case gets a fresh workstation with Grivola registered from TRAMEX_BIN_DIR, a scripted
// clipboard and a scripted prompter.
class GrivoCaseTest : public testing::TestWithParam<GrivoCase> {
protected:
    void SetUp() override;
    void TearDown() override;

    virtual GridFactory& factory() = 0;
    void run();

private:
    void check(const GrivoCase& expected, const GridUnderTest& grid, const std::vector<automation::Variant>& after);

    GrivolaWorkstation m_workstation;
    interaction::ScriptedPrompter m_prompter{[](const QString& failure) { ADD_FAILURE() << failure.toStdString(); }};
    interaction::Seams::Installation m_seams;
    interaction::ScriptedClipboard m_clipboard;
    automation::ObjectRef m_grivo;
};

// The case's name, for the test's name.
std::string caseName(const testing::TestParamInfo<GrivoCase>& info);

} // namespace gridtest
