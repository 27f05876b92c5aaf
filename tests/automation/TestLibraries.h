#pragma once

#include <gtest/gtest.h>

#include "automation/Components.h"
#include "tests/support/TestWorkstation.h"

// A fresh workstation with both test component libraries registered.
class TestLibraries : public testing::Test {
protected:
    void SetUp() override
    {
        automation::registerLibrary(libraryA());
        automation::registerLibrary(libraryB());
    }

    static QString libraryA() { return TestWorkstation::builtProgram(QStringLiteral("TestLibA.dll")); }
    static QString libraryB() { return TestWorkstation::builtProgram(QStringLiteral("TestLibB.dll")); }

    TestWorkstation m_workstation;
};
