#include "UtilexFixture.h"

using automation::Variant;
using automation::VarType;

namespace {

Variant strings(std::initializer_list<const char16_t*> pieces)
{
    QList<Variant> elements;
    for (const char16_t* piece : pieces)
        elements.append(Variant(QString::fromUtf16(piece)));
    return Variant::array(elements, 1);
}

// The same call through the early-bound interface, with the by-reference arguments put back.
Variant callEarly(utilex::_UtilexClass& utilex, const QString& method, std::vector<Variant>& arguments)
{
    std::vector<QString> texts;
    for (const Variant& argument : arguments)
        texts.push_back(argument.type() == VarType::String ? argument.toString() : QString());
    Variant result;
    if (method == u"LeftString") {
        result = Variant(utilex.LeftString(texts[0], texts[1]));
    } else if (method == u"RightString") {
        automation::Boolean fromStart = automation::toBoolean(arguments.size() > 2 && arguments[2].toBoolean());
        result = Variant(utilex.RightString(texts[0], texts[1], fromStart));
    } else if (method == u"MySplit") {
        result = utilex.MySplit(texts[0], texts[1]);
    } else if (method == u"TogliCarattere") {
        result = utilex.TogliCarattere(texts[0], texts[1]);
    } else if (method == u"QuanteVolte") {
        result = Variant::fromInteger(utilex.QuanteVolte(texts[0], texts[1]));
    } else if (method == u"Replicate") {
        std::int32_t count = arguments[1].toLong();
        result = utilex.Replicate(texts[0], count);
    } else if (method == u"ReverseString") {
        result = Variant(utilex.ReverseString(texts[0]));
    } else if (method == u"Capitalize") {
        result = Variant(utilex.Capitalize(texts[0]));
    } else if (method == u"InsStr") {
        std::int16_t position = arguments[2].toInteger();
        result = Variant(utilex.InsStr(texts[0], texts[1], position));
    } else {
        ADD_FAILURE() << "no early-bound call for " << method.toStdString();
    }
    for (std::size_t i = 0; i < arguments.size(); ++i)
        if (arguments[i].type() == VarType::String)
            arguments[i] = Variant(texts[i]);
    return result;
}

struct TextCase {
    const char16_t* method;
    std::vector<Variant> arguments;
    Variant expected;
    std::vector<Variant> argumentsAfter; // empty: as before the call
};

std::ostream& operator<<(std::ostream& out, const TextCase& textCase)
{
    out << QString::fromUtf16(textCase.method).toStdString() << "(";
    for (const Variant& argument : textCase.arguments)
        out << '"' << argument.displayText().toStdString() << "\" ";
    return out << ")";
}

class UtilexTextTest : public UtilexTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(UtilexTextTest, EarlyAndLateBindingGiveTheSameResult)
{
    const TextCase& textCase = GetParam();
    const std::vector<Variant>& after = textCase.argumentsAfter.empty() ? textCase.arguments : textCase.argumentsAfter;

    std::vector<Variant> early = textCase.arguments;
    EXPECT_EQ(callEarly(*m_utilex, QString::fromUtf16(textCase.method), early), textCase.expected) << "early";
    EXPECT_EQ(early, after) << "early";

    std::vector<Variant> late = textCase.arguments;
    EXPECT_EQ(callByRef(textCase.method, late), textCase.expected) << "by name";
    EXPECT_EQ(late, after) << "by name";
}

Variant s(const char16_t* text)
{
    return Variant(QString::fromUtf16(text));
}
Variant integer(std::int16_t value)
{
    return Variant::fromInteger(value);
}
Variant truth(bool value)
{
    return Variant::fromBoolean(value);
}

INSTANTIATE_TEST_SUITE_P(
    Cutting, UtilexTextTest,
    ::testing::Values(TextCase{u"LeftString", {s(u"ab.c"), s(u".")}, s(u"ab"), {}},
                      TextCase{u"LeftString", {s(u"a.b.c"), s(u".")}, s(u"a"), {}},
                      TextCase{u"LeftString", {s(u"abc"), s(u".")}, s(u"abc"), {}},
                      TextCase{u"LeftString", {s(u"Però.txt"), s(u".")}, s(u"Però"), {}},
                      TextCase{u"LeftString", {s(u"a::b"), s(u"::")}, s(u"a"), {}},
                      TextCase{u"LeftString", {s(u"ABC"), s(u"b")}, s(u"ABC"), {}},
                      TextCase{u"RightString", {s(u"a\\b\\c"), s(u"\\")}, s(u"c"), {}},
                      TextCase{u"RightString", {s(u"a\\b\\c"), s(u"\\"), truth(true)}, s(u"b\\c"), {}},
                      TextCase{u"RightString", {s(u"a\\b\\c"), s(u"\\"), truth(false)}, s(u"c"), {}},
                      TextCase{u"RightString", {s(u"abc"), s(u"\\")}, s(u"abc"), {}},
                      TextCase{u"RightString", {s(u"abc"), s(u"\\"), truth(true)}, s(u"abc"), {}},
                      TextCase{u"RightString", {s(u"a::b::c"), s(u"::")}, s(u"a::b::c"), {}},
                      TextCase{u"RightString", {s(u"a::b::c"), s(u"::"), truth(true)}, s(u"b::c"), {}},
                      TextCase{u"RightString", {s(u"x\\Però"), s(u"\\")}, s(u"Però"), {}},
                      TextCase{u"InsStr", {s(u"abc"), s(u"X"), integer(1)}, s(u"Xabc"), {}},
                      TextCase{u"InsStr", {s(u"abc"), s(u"X"), integer(2)}, s(u"aXbc"), {}},
                      TextCase{u"InsStr", {s(u"abc"), s(u"X"), integer(3)}, s(u"abXc"), {}},
                      TextCase{u"InsStr", {s(u"abc"), s(u"X"), integer(4)}, s(u"abcX"), {}},
                      TextCase{u"InsStr", {s(u"abc"), s(u"X"), integer(300)}, s(u"abcX"), {}}));

INSTANTIATE_TEST_SUITE_P(
    SplittingAndCounting, UtilexTextTest,
    ::testing::Values(TextCase{u"MySplit", {s(u"a,b,"), s(u",")}, strings({u"a", u"b", u""}), {}},
                      TextCase{u"MySplit", {s(u""), s(u",")}, strings({u""}), {}},
                      TextCase{u"MySplit", {s(u"a,,b"), s(u",")}, strings({u"a", u"", u"b"}), {}},
                      TextCase{u"MySplit", {s(u",a"), s(u",")}, strings({u"", u"a"}), {}},
                      TextCase{u"MySplit", {s(u"abc"), s(u",")}, strings({u"abc"}), {}},
                      TextCase{u"MySplit", {s(u"a::b"), s(u"::")}, strings({u"a", u":b"}), {}},
                      TextCase{u"QuanteVolte", {s(u"a;b;c"), s(u";")}, integer(2), {}},
                      TextCase{u"QuanteVolte", {s(u"aaaa"), s(u"aa")}, integer(6), {}},
                      TextCase{u"QuanteVolte", {s(u"AaA"), s(u"a")}, integer(1), {}},
                      TextCase{u"QuanteVolte", {s(u"abc"), s(u"x")}, integer(0), {}},
                      TextCase{u"QuanteVolte", {s(u""), s(u"a")}, integer(0), {}},
                      TextCase{u"TogliCarattere", {s(u"a-b c"), s(u"- ")}, s(u"abc"), {s(u"abc"), s(u"- ")}},
                      TextCase{u"TogliCarattere", {s(u"aAa"), s(u"a")}, s(u"A"), {s(u"A"), s(u"a")}},
                      TextCase{u"TogliCarattere", {s(u"a-b"), s(u"")}, s(u"a-b"), {}}));

INSTANTIATE_TEST_SUITE_P(Building, UtilexTextTest,
                         ::testing::Values(TextCase{u"Replicate", {s(u"ab"), Variant::fromLong(3)}, s(u"ababab"), {}},
                                           TextCase{u"Replicate", {s(u"ab"), Variant::fromLong(0)}, s(u""), {}},
                                           TextCase{u"Replicate", {s(u"ab"), Variant::fromLong(-4)}, s(u""), {}},
                                           TextCase{u"ReverseString", {s(u"Però")}, s(u"òreP"), {}},
                                           TextCase{u"ReverseString", {s(u"")}, s(u""), {}},
                                           TextCase{u"ReverseString", {s(u"a\U0001F600b")}, s(u"b\U0001F600a"), {}},
                                           TextCase{u"Capitalize", {s(u"pERò")}, s(u"Però"), {}},
                                           TextCase{u"Capitalize", {s(u"èLLO mONDO")}, s(u"Èllo mondo"), {}},
                                           TextCase{u"Capitalize", {s(u"")}, s(u""), {}},
                                           // Case is mapped one character at a time: the text keeps its length.
                                           TextCase{u"Capitalize", {s(u"\u00dfETA")}, s(u"\u00dfeta"), {}},
                                           TextCase{u"Capitalize", {s(u"\u0149APOLI")}, s(u"\u0149apoli"), {}}));

} // namespace

TEST_F(UtilexTest, InsStrRefusesPositionsBelowOne)
{
    for (const std::int16_t position : {std::int16_t(0), std::int16_t(-1)}) {
        QString main = QStringLiteral("abc");
        QString insert = QStringLiteral("X");
        std::int16_t pos = position;
        EXPECT_EQ(errorNumberOf([&] { m_utilex->InsStr(main, insert, pos); }), 5);
        EXPECT_EQ(errorNumberOf([&] { call(u"InsStr", {s(u"abc"), s(u"X"), integer(position)}); }), 5);
    }
}

TEST_F(UtilexTest, QuanteVolteOverflowsPastTheIntegerRange)
{
    QString pattern = QStringLiteral("a");
    QString atLimit(32767, u'a');
    EXPECT_EQ(m_utilex->QuanteVolte(atLimit, pattern), 32767);
    QString pastLimit(32768, u'a');
    EXPECT_EQ(errorNumberOf([&] { m_utilex->QuanteVolte(pastLimit, pattern); }), 6);
    EXPECT_EQ(errorNumberOf([&] { call(u"QuanteVolte", {Variant(QString(20000, u'a')), s(u"aa")}); }), 6);
}

TEST_F(UtilexTest, ReplicateRefusesAResultBeyondTheLongestString)
{
    QString piece = QStringLiteral("ab");
    std::int32_t count = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(errorNumberOf([&] { m_utilex->Replicate(piece, count); }), 14);
}
