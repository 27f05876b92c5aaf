#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "VirtualDisplay.h"

// A test on a virtual X display shared by the tests of its suite. Without Xvfb the tests are
// skipped; an Xvfb that is there but does not start fails them.
class DisplayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Derived fixtures call it first and return when IsSkipped() or HasFatalFailure().
    void SetUp() override;

    static const VirtualDisplay& display() { return *s_display; }

private:
    static std::unique_ptr<VirtualDisplay> s_display;
};
