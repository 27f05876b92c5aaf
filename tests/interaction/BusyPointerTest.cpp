#include "interaction/BusyPointer.h"

#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "automation/Screen.h"

using automation::Screen;
using interaction::BusyPointer;

namespace {

class BusyPointerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Screen::setMousePointer(0);
        Screen::install({[this](int pointer) { shown.push_back(pointer); }, {}, {}});
    }
    void TearDown() override
    {
        Screen::install({});
        Screen::setMousePointer(0);
    }

    std::vector<int> shown;
};

TEST_F(BusyPointerTest, HourglassIsRestoredWhenTheProcedureFails)
{
    EXPECT_THROW(
        {
            BusyPointer busy;
            EXPECT_EQ(Screen::mousePointer(), BusyPointer::Hourglass);
            throw std::runtime_error("failed");
        },
        std::runtime_error);

    EXPECT_EQ(shown, (std::vector<int>{11, 0}));
}

TEST_F(BusyPointerTest, NestedPointersPutBackWhatTheyFound)
{
    Screen::setMousePointer(2);
    {
        BusyPointer outer;
        {
            BusyPointer inner;
        }
        EXPECT_EQ(Screen::mousePointer(), BusyPointer::Hourglass);
    }
    EXPECT_EQ(Screen::mousePointer(), 2);
}

TEST_F(BusyPointerTest, EarlyRestoreIsNotRepeatedAtTheEnd)
{
    {
        BusyPointer busy;
        busy.restore();
        Screen::setMousePointer(13);
    }
    EXPECT_EQ(shown, (std::vector<int>{11, 0, 13}));
}

} // namespace
