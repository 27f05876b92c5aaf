#include "DisplayTest.h"

std::unique_ptr<VirtualDisplay> DisplayTest::s_display;

void DisplayTest::SetUpTestSuite()
{
    s_display = std::make_unique<VirtualDisplay>();
}

void DisplayTest::TearDownTestSuite()
{
    s_display.reset();
}

void DisplayTest::SetUp()
{
    if (!s_display->isInstalled())
        GTEST_SKIP() << "no virtual X display: " << s_display->problem().toStdString();
    ASSERT_TRUE(s_display->isRunning()) << s_display->problem().toStdString();
}
