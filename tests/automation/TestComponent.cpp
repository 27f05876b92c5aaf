#include <QStringList>

#include "automation/ComponentServer.h"
#include "automation/TypedDispatch.h"
#include "platform/RuntimeError.h"
#include "tests/automation/TestInterface.h"

using automation::Boolean;
using automation::ParameterInfo;
using automation::Variant;
using automation::VarType;

namespace {

const TestIdentity& identity()
{
    return testIdentities[TEST_LIBRARY_INDEX];
}

ParameterInfo parameter(const char16_t* name, VarType type, bool byRef = true, bool optional = false,
                        std::optional<Variant> defaultValue = std::nullopt)
{
    return ParameterInfo{QString::fromUtf16(name), type, byRef, optional, std::move(defaultValue)};
}

const automation::InterfaceInfo& testInterface()
{
    static const automation::InterfaceInfo interface {
        QStringLiteral("_UtilexClass"), identity().iid, true,
        {
            {QStringLiteral("Which"), {}, VarType::String},
                {QStringLiteral("Concat"),
                 {parameter(u"Target", VarType::String), parameter(u"Suffix", VarType::String, false)},
                 VarType::String},
                {QStringLiteral("Add"),
                 {parameter(u"First", VarType::Integer),
                  parameter(u"Second", VarType::Integer, true, true, Variant::fromInteger(10))},
                 VarType::Long},
                {QStringLiteral("IsLeftOut"), {parameter(u"Value", VarType::Variant, true, true)}, VarType::Boolean},
                {QStringLiteral("Twice"), {parameter(u"Number", VarType::Long, true, true)}, VarType::Long},
                {QStringLiteral("Pieces"), {parameter(u"Text", VarType::String)}, VarType::Variant},
                {QStringLiteral("Fail"), {parameter(u"Number", VarType::Long)}, std::nullopt},
                {QStringLiteral("Mark"), {parameter(u"Flag", VarType::Boolean)}, std::nullopt},
        }
    };
    return interface;
}

const automation::LibraryInfo& typeLibrary()
{
    static const automation::LibraryInfo library{
        QString::fromUtf16(identity().libraryName),
        1,
        0,
        1033,
        identity().libid,
        QStringLiteral("1.0.0.0"),
        {{QStringLiteral("UtilexClass"), identity().clsid, QString::fromUtf16(identity().progId), true, false,
          QStringLiteral("Apartment"), &testInterface()}}};
    return library;
}

automation::ComponentServer& server();

class TestClass : public _TestClass, public automation::TypedDispatch {
public:
    TestClass() : TypedDispatch(testInterface())
    {
        server().objectCreated();
        setThunks({
            [this](std::vector<Variant>&) { return Variant(Which()); },
            [this](std::vector<Variant>& a) {
                QString target = a[0].toString();
                QString suffix = a[1].toString();
                const QString result = Concat(target, suffix);
                a[0] = target;
                a[1] = suffix;
                return Variant(result);
            },
            [this](std::vector<Variant>& a) {
                std::int16_t first = a[0].toInteger();
                std::int16_t second = a[1].toInteger();
                const std::int32_t result = Add(first, second);
                a[0] = Variant::fromInteger(first);
                a[1] = Variant::fromInteger(second);
                return Variant::fromLong(result);
            },
            [this](std::vector<Variant>& a) { return Variant::fromBoolean(IsLeftOut(a[0]) != 0); },
            [this](std::vector<Variant>& a) {
                std::int32_t number = a[0].toLong();
                const std::int32_t result = Twice(number);
                a[0] = Variant::fromLong(number);
                return Variant::fromLong(result);
            },
            [this](std::vector<Variant>& a) {
                QString text = a[0].toString();
                return Pieces(text);
            },
            [this](std::vector<Variant>& a) {
                std::int32_t number = a[0].toLong();
                Fail(number);
                return Variant();
            },
            [this](std::vector<Variant>& a) {
                Boolean flag = automation::toBoolean(a[0].toBoolean());
                Mark(flag);
                a[0] = Variant::fromBoolean(flag != 0);
                return Variant();
            },
        });
    }
    ~TestClass() override { server().objectDestroyed(); }

    // Static texts on purpose: they live in this library and must not outlive it in the caller.
    QString Which() override
    {
        return TEST_LIBRARY_INDEX == 0 ? QStringLiteral("TestLibA") : QStringLiteral("TestLibB");
    }
    QString Concat(QString& Target, QString Suffix) override
    {
        Target += Suffix;
        Suffix = QStringLiteral("changed");
        return Target;
    }
    std::int32_t Add(std::int16_t& First, std::int16_t& Second) override { return std::int32_t(First) + Second; }
    Boolean IsLeftOut(Variant& Value) override { return automation::toBoolean(Value.isMissing()); }
    std::int32_t Twice(std::int32_t& Number) override
    {
        Number *= 2;
        return Number;
    }
    Variant Pieces(QString& Text) override
    {
        QList<Variant> pieces;
        if (!Text.isEmpty())
            for (const QString& piece : Text.split(QLatin1Char(',')))
                pieces.append(Variant(piece));
        return Variant::array(pieces, 1, VarType::String);
    }
    void Fail(std::int32_t& Number) override
    {
        throw platform::RuntimeError(Number, QStringLiteral("Failure asked by the caller"));
    }
    void Mark(Boolean& Flag) override { Flag = automation::True; }
};

automation::ComponentServer& server()
{
    static automation::ComponentServer instance(
        typeLibrary(), {{identity().clsid, [] { return automation::ObjectRef(std::make_shared<TestClass>()); }}});
    return instance;
}

} // namespace

AUTOMATION_COMPONENT_ENTRY_POINTS(server())
