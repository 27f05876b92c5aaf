#include <gtest/gtest.h>

#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"
#include "tests/automation/TestLibraries.h"

using automation::InvokeKind;
using automation::Variant;

namespace {

class TypedDispatchTest : public TestLibraries {
protected:
    void SetUp() override
    {
        TestLibraries::SetUp();
        m_object = automation::createObject(QStringLiteral("TestLibA.UtilexClass"));
    }

    // Calls by name and returns the runtime error number, 0 when the call succeeds.
    int errorOfCall(const char* name, std::vector<Variant>& arguments)
    {
        try {
            m_object->callByRef(QString::fromLatin1(name), arguments);
        } catch (const platform::RuntimeError& error) {
            return error.number();
        }
        return 0;
    }

    automation::ObjectRef m_object;
};

TEST_F(TypedDispatchTest, NamesMatchIgnoringCaseAndIdsFollowTheTable)
{
    EXPECT_EQ(m_object->idOfName(QStringLiteral("Concat")), 0x60030001);
    EXPECT_EQ(m_object->idOfName(QStringLiteral("cONCAT")), 0x60030001);
    EXPECT_EQ(m_object->idOfName(QStringLiteral("Mark")), 0x60030007);
    EXPECT_EQ(m_object->idOfName(QStringLiteral("Nope")), automation::DispatchObject::unknownName);

    std::vector<Variant> none;
    EXPECT_EQ(m_object->invoke(0x60030000, InvokeKind::Method, none), Variant(u"TestLibA"));
    EXPECT_EQ(m_object->invoke(0x60030000, InvokeKind::PropertyGet, none), Variant(u"TestLibA"));
    EXPECT_EQ(errorOfCall("Nope", none), 438);
    EXPECT_THROW(m_object->invoke(0x60030008, InvokeKind::Method, none), platform::RuntimeError);
    std::vector<Variant> value{Variant(u"x")};
    EXPECT_THROW(m_object->invoke(0x60030000, InvokeKind::PropertyPut, value), platform::RuntimeError);
}

TEST_F(TypedDispatchTest, ByReferenceArgumentsAreWrittenBackAndByValueOnesAreNot)
{
    std::vector<Variant> arguments{Variant(u"ab"), Variant(u"cd")};
    EXPECT_EQ(m_object->callByRef(QStringLiteral("Concat"), arguments), Variant(u"abcd"));
    EXPECT_EQ(arguments[0], Variant(u"abcd"));
    EXPECT_EQ(arguments[1], Variant(u"cd"));

    // Written back as the declared type the method worked on.
    std::vector<Variant> numbers{Variant(u" 21 ")};
    EXPECT_EQ(m_object->callByRef(QStringLiteral("Twice"), numbers), Variant::fromLong(42));
    EXPECT_EQ(numbers[0], Variant::fromLong(42));

    std::vector<Variant> flag{Variant::fromBoolean(false)};
    EXPECT_TRUE(m_object->callByRef(QStringLiteral("Mark"), flag).isEmpty());
    EXPECT_EQ(flag[0], Variant::fromBoolean(true));
}

TEST_F(TypedDispatchTest, OptionalArgumentsAreDefaultedOrStayMissing)
{
    std::vector<Variant> firstOnly{Variant(u"1")};
    EXPECT_EQ(m_object->callByRef(QStringLiteral("Add"), firstOnly), Variant::fromLong(11));
    ASSERT_EQ(firstOnly.size(), 1u);

    std::vector<Variant> leftOut{Variant::fromInteger(1), Variant::missing()};
    EXPECT_EQ(m_object->callByRef(QStringLiteral("Add"), leftOut), Variant::fromLong(11));
    EXPECT_TRUE(leftOut[1].isMissing());

    EXPECT_EQ(m_object->call(QStringLiteral("Twice")), Variant::fromLong(0));
    EXPECT_EQ(m_object->call(QStringLiteral("IsLeftOut")), Variant::fromBoolean(true));
    EXPECT_EQ(m_object->call(QStringLiteral("IsLeftOut"), {Variant::missing()}), Variant::fromBoolean(true));
    EXPECT_EQ(m_object->call(QStringLiteral("IsLeftOut"), {Variant()}), Variant::fromBoolean(false));
    EXPECT_EQ(m_object->call(QStringLiteral("IsLeftOut"), {Variant::null()}), Variant::fromBoolean(false));
}

TEST_F(TypedDispatchTest, ArgumentCountsAndConversionsAreChecked)
{
    std::vector<Variant> none;
    EXPECT_EQ(errorOfCall("Add", none), 449);
    std::vector<Variant> missingFirst{Variant::missing(), Variant::fromInteger(1)};
    EXPECT_EQ(errorOfCall("Add", missingFirst), 449);
    std::vector<Variant> one{Variant(u"x")};
    EXPECT_EQ(errorOfCall("Which", one), 450);
    std::vector<Variant> three{Variant(u"a"), Variant(u"b"), Variant(u"c")};
    EXPECT_EQ(errorOfCall("Concat", three), 450);

    std::vector<Variant> notANumber{Variant(u"abc")};
    EXPECT_EQ(errorOfCall("Add", notANumber), 13);
    EXPECT_EQ(notANumber[0], Variant(u"abc"));
    std::vector<Variant> tooLarge{Variant(u"40000")};
    EXPECT_EQ(errorOfCall("Add", tooLarge), 6);
    std::vector<Variant> null{Variant::null()};
    EXPECT_EQ(errorOfCall("Concat", null), 94);
}

TEST_F(TypedDispatchTest, FailuresInsideReachTheCallerAsRuntimeErrors)
{
    try {
        m_object->call(QStringLiteral("Fail"), {Variant::fromLong(57)});
        FAIL() << "no error";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), 57);
        EXPECT_EQ(error.description(), QStringLiteral("Failure asked by the caller"));
    }
}

TEST_F(TypedDispatchTest, ArrayResultsKeepTheirLowerBound)
{
    const Variant pieces = m_object->call(QStringLiteral("Pieces"), {Variant(u"a,b")});
    ASSERT_TRUE(pieces.isArray());
    EXPECT_EQ(pieces.lowerBound(), 1);
    EXPECT_EQ(pieces.at(1), Variant(u"a"));
    EXPECT_EQ(pieces.at(2), Variant(u"b"));
    const Variant none = m_object->call(QStringLiteral("Pieces"), {Variant(u"")});
    EXPECT_LT(none.upperBound(), none.lowerBound());
}

} // namespace
