#include "automation/Variant.h"

#include <cfloat>
#include <functional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/RuntimeError.h"

using automation::Variant;
using automation::VarType;

namespace {

// The runtime error a conversion raises, or 0 when it succeeds.
int errorOf(const std::function<void()>& conversion)
{
    try {
        conversion();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

Variant text(const char* value)
{
    return Variant(QString::fromUtf8(value));
}

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

struct NumberCase {
    const char* text;
    double value;
    int error;
};

void PrintTo(const NumberCase& c, std::ostream* out)
{
    *out << '"' << c.text << '"';
}

class NumericTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumericTextTest, ReadsAsTheRuntimeDoes)
{
    const NumberCase& c = GetParam();
    double value = 0;
    EXPECT_EQ(errorOf([&] { value = text(c.text).toDouble(); }), c.error) << c.text;
    if (c.error == 0) {
        EXPECT_EQ(value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumericTextTest,
    testing::Values(NumberCase{"12", 12, 0}, NumberCase{"  12  ", 12, 0}, NumberCase{"\t-3.5 ", -3.5, 0},
                    NumberCase{"+4", 4, 0}, NumberCase{".5", 0.5, 0}, NumberCase{"5.", 5, 0},
                    NumberCase{"1e3", 1000, 0}, NumberCase{"1.5D2", 150, 0}, NumberCase{"2E-2", 0.02, 0},
                    NumberCase{"&H1F", 31, 0}, NumberCase{"&hff", 255, 0}, NumberCase{" &HFFFF ", -1, 0},
                    NumberCase{"&H10000", 65536, 0}, NumberCase{"&HFFFFFFFF", -1, 0}, NumberCase{"&O17", 15, 0},
                    NumberCase{"1e-400", 0, 0}, NumberCase{"1e400", 0, 6}, NumberCase{"&H100000000", 0, 6},
                    NumberCase{"", 0, 13}, NumberCase{"   ", 0, 13}, NumberCase{"abc", 0, 13}, NumberCase{"12a", 0, 13},
                    NumberCase{"1 2", 0, 13}, NumberCase{"1,5", 0, 13}, NumberCase{"&H", 0, 13},
                    NumberCase{"&HG", 0, 13}, NumberCase{".", 0, 13}, NumberCase{"1e", 0, 13}, NumberCase{"-", 0, 13},
                    NumberCase{"٣", 0, 13}));

struct WholeCase {
    Variant value;
    VarType target;
    double expected;
    int error;
};

std::string describe(const Variant& value)
{
    try {
        return value.displayText().toStdString() + " (type " + std::to_string(int(value.type())) + ")";
    } catch (const platform::RuntimeError&) {
        return "type " + std::to_string(int(value.type()));
    }
}

void PrintTo(const WholeCase& c, std::ostream* out)
{
    *out << describe(c.value) << " to type " << int(c.target);
}

class WholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberTest, RoundsHalfToEvenAndChecksTheRange)
{
    const WholeCase& c = GetParam();
    Variant converted;
    EXPECT_EQ(errorOf([&] { converted = c.value.convertedTo(c.target); }), c.error);
    if (c.error == 0) {
        EXPECT_EQ(converted.type(), c.target);
        EXPECT_EQ(converted.toDouble(), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumberTest,
    testing::Values(
        WholeCase{Variant::fromDouble(2.5), VarType::Integer, 2, 0},
        WholeCase{Variant::fromDouble(3.5), VarType::Integer, 4, 0},
        WholeCase{Variant::fromDouble(-2.5), VarType::Integer, -2, 0},
        WholeCase{Variant::fromSingle(0.5f), VarType::Integer, 0, 0},
        WholeCase{Variant::fromDouble(2.6), VarType::Integer, 3, 0}, WholeCase{text("2.5"), VarType::Integer, 2, 0},
        WholeCase{text("&HFFFF"), VarType::Integer, -1, 0},
        WholeCase{Variant::fromDouble(32767.4), VarType::Integer, 32767, 0},
        WholeCase{Variant::fromDouble(32767.5), VarType::Integer, 0, 6},
        WholeCase{Variant::fromDouble(-32768.5), VarType::Integer, -32768, 0},
        WholeCase{text("40000"), VarType::Integer, 0, 6}, WholeCase{Variant::fromLong(70000), VarType::Integer, 0, 6},
        WholeCase{Variant::fromBoolean(true), VarType::Integer, -1, 0}, WholeCase{Variant(), VarType::Integer, 0, 0},
        WholeCase{Variant::null(), VarType::Integer, 0, 94}, WholeCase{text("abc"), VarType::Integer, 0, 13},
        WholeCase{Variant::missing(), VarType::Integer, 0, 13}, WholeCase{Variant::array({}), VarType::Integer, 0, 13},
        WholeCase{Variant::fromDouble(2147483647.5), VarType::Long, 0, 6},
        WholeCase{Variant::fromDouble(-2147483648.0), VarType::Long, -2147483648.0, 0},
        WholeCase{text(" 1e3 "), VarType::Long, 1000, 0}, WholeCase{Variant::fromDouble(255.5), VarType::Byte, 0, 6},
        WholeCase{Variant::fromDouble(254.5), VarType::Byte, 254, 0},
        WholeCase{Variant::fromInteger(-1), VarType::Byte, 0, 6},
        WholeCase{Variant::fromBoolean(true), VarType::Byte, 255, 0},
        WholeCase{Variant::fromDouble(1e39), VarType::Single, 0, 6}, WholeCase{text("0.25"), VarType::Single, 0.25, 0},
        WholeCase{Variant::fromDate(at(1900, 1, 1, 12)), VarType::Double, 2.5, 0},
        WholeCase{Variant::fromDate(at(1899, 12, 29, 6)), VarType::Double, -1.25, 0}));

struct BooleanCase {
    Variant value;
    bool expected;
    int error;
};

void PrintTo(const BooleanCase& c, std::ostream* out)
{
    *out << describe(c.value);
}

class BooleanTest : public testing::TestWithParam<BooleanCase> {};

TEST_P(BooleanTest, ReadsTextAndNumbers)
{
    const BooleanCase& c = GetParam();
    bool value = false;
    EXPECT_EQ(errorOf([&] { value = c.value.toBoolean(); }), c.error);
    if (c.error == 0) {
        EXPECT_EQ(value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BooleanTest,
                         testing::Values(BooleanCase{text("True"), true, 0}, BooleanCase{text(" false "), false, 0},
                                         BooleanCase{text("TRUE"), true, 0}, BooleanCase{text("0"), false, 0},
                                         BooleanCase{text("-1"), true, 0}, BooleanCase{text("0.5"), true, 0},
                                         BooleanCase{text("yes"), false, 13}, BooleanCase{text(""), false, 13},
                                         BooleanCase{Variant(), false, 0}, BooleanCase{Variant::null(), false, 94},
                                         BooleanCase{Variant::fromDouble(0.0), false, 0},
                                         BooleanCase{Variant::fromLong(7), true, 0},
                                         BooleanCase{Variant::fromByte(0), false, 0}));

struct TextCase {
    Variant value;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << '"' << c.expected << '"';
}

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, PrintsAsTheRuntime)
{
    EXPECT_EQ(GetParam().value.displayText().toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextTest,
    testing::Values(
        TextCase{Variant::fromBoolean(true), "True"}, TextCase{Variant::fromBoolean(false), "False"},
        TextCase{Variant::fromInteger(-5), "-5"}, TextCase{Variant::fromByte(200), "200"},
        TextCase{Variant::fromSingle(0.1f), "0.1"}, TextCase{Variant::fromSingle(1e20f), "1E+20"},
        TextCase{Variant::fromSingle(1234567.0f), "1234567"},
        TextCase{Variant::fromSingle(12345678.0f), "1.234568E+07"}, TextCase{Variant::fromSingle(-2.5f), "-2.5"},
        TextCase{Variant::fromDouble(0.1 + 0.2), "0.3"}, TextCase{Variant::fromDouble(1e15), "1E+15"},
        TextCase{Variant::fromDouble(1e14), "100000000000000"}, TextCase{Variant::fromDouble(123.456), "123.456"},
        TextCase{Variant::fromDouble(0.0001), "0.0001"}, TextCase{Variant::fromDouble(0.00001), "1E-05"},
        TextCase{Variant::fromDouble(-1.5e-7), "-1.5E-07"}, TextCase{Variant::fromDouble(1e100), "1E+100"},
        TextCase{Variant::fromDouble(-0.0), "0"}, TextCase{Variant::fromDouble(2.0 / 3.0), "0.666666666666667"},
        TextCase{Variant::fromDate(at(2020, 12, 25, 13, 45)), "25/12/2020 13:45:00"},
        TextCase{Variant::fromDate(at(2020, 12, 25)), "25/12/2020"},
        TextCase{Variant::fromDate(at(1899, 12, 30, 8, 5, 1)), "08:05:01"}, TextCase{Variant(), ""},
        TextCase{Variant::null(), "Null"}, TextCase{Variant::missing(), "Error 448"}, TextCase{text("Però"), "Però"}));

TEST(VariantTest, NullWhereTextIsNeededIsInvalidUseOfNull)
{
    EXPECT_EQ(errorOf([] { Variant::null().toString(); }), 94);
    EXPECT_EQ(errorOf([] { Variant::null().convertedTo(VarType::String); }), 94);
    EXPECT_EQ(errorOf([] { Variant::null().convertedTo(VarType::Object); }), 94);
    EXPECT_TRUE(Variant::null().convertedTo(VarType::Variant).isNull());
}

TEST(VariantTest, DatesConvertFromTextAndSerials)
{
    EXPECT_EQ(text("25/12/2020 13:45:10").toDate(), at(2020, 12, 25, 13, 45, 10));
    EXPECT_EQ(text("2020-12-25").toDate(), at(2020, 12, 25));
    EXPECT_EQ(text("2020-12-25T10:00").toDate(), at(2020, 12, 25, 10));
    EXPECT_EQ(errorOf([] { text("25/12/2020T").toDate(); }), 13);
    EXPECT_EQ(text("7:30").toDate(), at(1899, 12, 30, 7, 30));
    EXPECT_EQ(Variant::fromDouble(-1.25).toDate(), at(1899, 12, 29, 6));
    EXPECT_EQ(Variant::fromDouble(43831.75).toDate(), at(2020, 1, 1, 18));
    EXPECT_EQ(errorOf([] { text("31/02/2020").toDate(); }), 13);
    EXPECT_EQ(errorOf([] { Variant::fromDouble(1e7).toDate(); }), 6);
    const QDateTime moment = at(1987, 6, 5, 4, 3, 2);
    EXPECT_EQ(Variant::fromDouble(Variant::fromDate(moment).toDouble()).toDate(), moment);
}

TEST(VariantTest, ConversionToDeclaredTypes)
{
    EXPECT_EQ(text("5").convertedTo(VarType::Long), Variant::fromLong(5));
    EXPECT_EQ(Variant::fromLong(5).convertedTo(VarType::String), text("5"));
    EXPECT_EQ(text("x").convertedTo(VarType::Variant), text("x"));
    EXPECT_EQ(errorOf([] { text("x").convertedTo(VarType::Object); }), 13);
    EXPECT_EQ(errorOf([] { text("x").toObject(); }), 424);
    EXPECT_FALSE(Variant::fromInteger(1) == Variant::fromLong(1));
    EXPECT_TRUE(Variant::missing().isMissing());
    EXPECT_FALSE(Variant::fromError(0x800A0005).isMissing());
    EXPECT_EQ(Variant::fromError(0x800A0005).toString(), QStringLiteral("Error 5"));
}

TEST(VariantTest, IsNumericFollowsTheRuntime)
{
    EXPECT_TRUE(Variant().isNumeric());
    EXPECT_TRUE(text(" &H1F ").isNumeric());
    EXPECT_TRUE(text("1e400").isNumeric());
    EXPECT_FALSE(text("1,5").isNumeric());
    EXPECT_FALSE(Variant::null().isNumeric());
    EXPECT_FALSE(Variant::fromDate(at(2000, 1, 1)).isNumeric());
}

TEST(VariantTest, ArraysKeepTheirBoundsAndAreValues)
{
    Variant pieces = Variant::array({text("a"), text("b")}, 1, VarType::String);
    EXPECT_EQ(pieces.lowerBound(), 1);
    EXPECT_EQ(pieces.upperBound(), 2);
    EXPECT_EQ(pieces.at(2), text("b"));
    EXPECT_EQ(errorOf([&] { pieces.at(0); }), 9);
    EXPECT_EQ(errorOf([&] { pieces.at(3); }), 9);
    EXPECT_EQ(errorOf([&] { pieces.toString(); }), 13);
    EXPECT_EQ(errorOf([] { text("a").arrayData(); }), 13);

    const Variant copy = pieces;
    pieces.arrayData().elements[0] = text("changed");
    EXPECT_EQ(copy.at(1), text("a"));
    EXPECT_EQ(pieces.at(1), text("changed"));

    const Variant none = Variant::array({}, 1);
    EXPECT_LT(none.upperBound(), none.lowerBound());
}

} // namespace
