#include "interaction/SingleText.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

struct SingleCase {
    float value;
    const char* text;
};

void PrintTo(const SingleCase& single, std::ostream* out)
{
    *out << single.text;
}

class SingleTextTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleTextTest, PrintsTheShortestGeneralForm)
{
    EXPECT_EQ(interaction::singleText(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Runtime, SingleTextTest,
                         ::testing::Values(SingleCase{3021.0f, "3021"}, SingleCase{123456789.0f, "1.234568E+08"},
                                           SingleCase{1234567.0f, "1234567"}, SingleCase{9999999.0f, "9999999"},
                                           SingleCase{12345678.0f, "1.234568E+07"}, SingleCase{-5.0f, "-5"},
                                           SingleCase{0.5f, ".5"}, SingleCase{-0.25f, "-.25"}, SingleCase{1.5f, "1.5"},
                                           SingleCase{0.0f, "0"}, SingleCase{0.00001f, "1E-05"},
                                           SingleCase{-32768.0f, "-32768"}));

} // namespace
