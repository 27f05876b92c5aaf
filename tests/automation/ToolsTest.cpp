#include <ostream>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "automation/Registry.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "tests/automation/TestLibraries.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolRun run(const char* program, const QStringList& arguments, const QString& workstationVariable = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (workstationVariable.isEmpty())
        environment.remove(QStringLiteral("TRAMEX_WORKSTATION"));
    else
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), workstationVariable);
    process.setProcessEnvironment(environment);
    process.start(TestWorkstation::builtProgram(QString::fromLatin1(program)), arguments);
    if (!process.waitForFinished(60000))
        return {};
    ToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

class RegsvrTest : public TestLibraries {
protected:
    void SetUp() override {}
};

TEST_F(RegsvrTest, RegistersAndUnregistersIntoAFreshWorkstation)
{
    const QString fresh = m_workstation.root() + QStringLiteral("/fresh");
    ASSERT_TRUE(QDir().mkpath(fresh));

    ToolRun registered = run("regsvr", {QStringLiteral("--workstation"), fresh, libraryA()});
    EXPECT_EQ(registered.exitCode, 0) << registered.err;
    EXPECT_EQ(registered.out, "DllRegisterServer in " + libraryA().toStdString() + " succeeded.\n");
    EXPECT_EQ(registered.err, "");
    EXPECT_TRUE(QFile::exists(fresh + QStringLiteral("/drives.ini")));
    platform::Workstation::use(fresh);
    EXPECT_TRUE(automation::registry::find(QStringLiteral("TestLibA.UtilexClass")).has_value());

    // A Windows path on the workstation works as well as a host path.
    const QString windowsPath = platform::windowsPath::fromHost(libraryB());
    ToolRun windowsForm = run("regsvr", {QStringLiteral("--workstation"), fresh, windowsPath});
    EXPECT_EQ(windowsForm.exitCode, 0) << windowsForm.err;
    EXPECT_EQ(windowsForm.out, "DllRegisterServer in " + windowsPath.toStdString() + " succeeded.\n");
    EXPECT_TRUE(automation::registry::find(QStringLiteral("TestLibB.UtilexClass")).has_value());

    ToolRun unregistered = run("regsvr", {QStringLiteral("/u"), libraryA()}, fresh);
    EXPECT_EQ(unregistered.exitCode, 0) << unregistered.err;
    EXPECT_EQ(unregistered.out, "DllUnregisterServer in " + libraryA().toStdString() + " succeeded.\n");
    EXPECT_FALSE(automation::registry::find(QStringLiteral("TestLibA.UtilexClass")).has_value());
    EXPECT_TRUE(automation::registry::find(QStringLiteral("TestLibB.UtilexClass")).has_value());
}

TEST_F(RegsvrTest, FailuresExitWithTheToolsCodesAndSayWhy)
{
    const QString missing = m_workstation.root() + QStringLiteral("/missing.dll");
    ToolRun notFound = run("regsvr", {QStringLiteral("--workstation"), m_workstation.root(), missing});
    EXPECT_EQ(notFound.exitCode, 3);
    EXPECT_EQ(notFound.out, "");
    EXPECT_NE(notFound.err.find("regsvr: The module \"" + missing.toStdString() + "\""), std::string::npos)
        << notFound.err;

    const QString notAComponent = TestWorkstation::builtProgram(QStringLiteral("libtramex_platform.so"));
    ToolRun noEntryPoint = run("regsvr", {QStringLiteral("--workstation"), m_workstation.root(), notAComponent});
    EXPECT_EQ(noEntryPoint.exitCode, 4);
    EXPECT_NE(noEntryPoint.err.find("entry-point DllRegisterServer was not found"), std::string::npos)
        << noEntryPoint.err;

    EXPECT_EQ(run("regsvr", {QStringLiteral("--workstation"), m_workstation.root()}).exitCode, 1);
}

struct CallCase {
    QStringList arguments;
    const char* out;
    const char* err;
    int exitCode;
};

void PrintTo(const CallCase& c, std::ostream* out)
{
    *out << c.arguments.join(QLatin1Char(' ')).toStdString();
}

class AutocallTest : public TestLibraries, public testing::WithParamInterface<CallCase> {};

TEST_P(AutocallTest, PrintsResultAndByReferenceArguments)
{
    const CallCase& c = GetParam();
    const ToolRun result =
        run("autocall", QStringList{QStringLiteral("--workstation"), m_workstation.root()} + c.arguments);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.exitCode, c.exitCode);
}

QStringList call(std::initializer_list<const char*> words)
{
    QStringList list;
    for (const char* word : words)
        list.append(QString::fromUtf8(word));
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AutocallTest,
    testing::Values(
        CallCase{call({"TestLibA.UtilexClass", "Concat", "ab", "cd"}), "result: abcd\nTarget: abcd\n", "", 0},
        CallCase{call({"testlibb.utilexclass", "WHICH"}), "result: TestLibB\n", "", 0},
        CallCase{call({"{7C0A1001-0000-4000-8000-00000000000A}", "Which"}), "result: TestLibA\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Add", "5"}), "result: 15\nFirst: 5\nSecond: \n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Add", "5", "@missing"}), "result: 15\nFirst: 5\nSecond: \n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Add", "2.5", " 3 "}), "result: 5\nFirst: 2\nSecond: 3\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Twice", "&H10"}), "result: 32\nNumber: 32\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Pieces", "a,b"}), "result(1): a\nresult(2): b\nText: a,b\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Pieces", ""}), "result: (no elements)\nText: \n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Mark", "false"}), "Flag: True\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "IsLeftOut"}), "result: True\nValue: \n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "IsLeftOut", "@null"}), "result: False\nValue: Null\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "IsLeftOut", "@empty"}), "result: False\nValue: \n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Concat", "Però", "ò"}), "result: Peròò\nTarget: Peròò\n", "", 0},
        CallCase{call({"TestLibA.UtilexClass", "Fail", "57"}), "", "error 57: Failure asked by the caller\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Mark"}), "", "error 449: Argument not optional\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Which", "x"}), "",
                 "error 450: Wrong number of arguments or invalid property assignment\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Add", "abc"}), "", "error 13: Type mismatch\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Add", "40000"}), "", "error 6: Overflow\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Concat", "@null", "x"}), "", "error 94: Invalid use of Null\n", 1},
        CallCase{call({"TestLibA.UtilexClass", "Nope"}), "",
                 "error 438: Object doesn't support this property or method\n", 1},
        CallCase{call({"Nobody.Nothing", "Which"}), "", "error 429: ActiveX component can't create object\n", 1}));

class AutocallToolTest : public TestLibraries {};

TEST_F(AutocallToolTest, ListsTheTypeLibrary)
{
    const ToolRun result =
        run("autocall", {QStringLiteral("--typelib"), QStringLiteral("TestLibA.UtilexClass")}, m_workstation.root());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "library TestLibA, version 1.0, locale 1033, id {7C0A1000-0000-4000-8000-00000000000A}, file version "
              "1.0.0.0\n"
              "class UtilexClass, id {7C0A1001-0000-4000-8000-00000000000A}, progid TestLibA.UtilexClass, "
              "creatable "
              "yes, application object no, threading Apartment\n"
              "interface _UtilexClass, id {7C0A1002-0000-4000-8000-00000000000A}, dual\n"
              "  slot 1  Which() As String\n"
              "  slot 2  Concat(ByRef Target As String, ByVal Suffix As String) As String\n"
              "  slot 3  Add(ByRef First As Integer, Optional ByRef Second As Integer = 10) As Long\n"
              "  slot 4  IsLeftOut(Optional ByRef Value As Variant) As Boolean\n"
              "  slot 5  Twice(Optional ByRef Number As Long) As Long\n"
              "  slot 6  Pieces(ByRef Text As String) As Variant\n"
              "  slot 7  Fail(ByRef Number As Long)\n"
              "  slot 8  Mark(ByRef Flag As Boolean)\n");
}

TEST_F(AutocallToolTest, UsesTheWorkstationOfTheEnvironmentAndChecksItsArguments)
{
    const ToolRun result =
        run("autocall", {QStringLiteral("TestLibB.UtilexClass"), QStringLiteral("Which")}, m_workstation.root());
    EXPECT_EQ(result.out, "result: TestLibB\n");
    EXPECT_EQ(result.exitCode, 0);

    const ToolRun tooFew = run("autocall", {QStringLiteral("TestLibB.UtilexClass")}, m_workstation.root());
    EXPECT_EQ(tooFew.exitCode, 2);
    EXPECT_NE(tooFew.err.find("usage: autocall"), std::string::npos);
}

} // namespace
