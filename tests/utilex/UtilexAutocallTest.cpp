#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "UtilexFixture.h"
#include "automation/Components.h"
#include "automation/TypeInfo.h"

namespace {

struct AutocallRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class UtilexAutocallTest : public UtilexTest {
protected:
    void SetUp() override
    {
        UtilexTest::SetUp();
        m_autocall = TestWorkstation::builtProgram(QStringLiteral("autocall"));
        if (!QFileInfo(m_autocall).isExecutable())
            GTEST_SKIP() << "autocall is not built yet: " << m_autocall.toStdString();
    }

    AutocallRun autocall(const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), root());
        process.setProcessEnvironment(environment);
        process.start(m_autocall, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString m_autocall;
};

const QString progId = QStringLiteral("Utilex4.UtilexClass");
const QString firstProgId = QStringLiteral("Utilex.UtilexClass");

TEST_F(UtilexAutocallTest, PrintsTheResultAndEveryByReferenceArgument)
{
    const AutocallRun left =
        autocall({progId, QStringLiteral("LeftString"), QStringLiteral("ab.c"), QStringLiteral(".")});
    EXPECT_EQ(left.exitCode, 0) << left.err.toStdString();
    EXPECT_EQ(left.out, QStringLiteral("result: ab\nStringa: ab.c\nCarattere: .\n"));

    const AutocallRun cleaned =
        autocall({progId, QStringLiteral("TogliCarattere"), QStringLiteral("a-b c"), QStringLiteral("- ")});
    EXPECT_EQ(cleaned.exitCode, 0) << cleaned.err.toStdString();
    EXPECT_EQ(cleaned.out, QStringLiteral("result: abc\nStringa: abc\nCarattere: - \n"));
}

TEST_F(UtilexAutocallTest, ReportsAnErrorOnStandardErrorWithExitCodeOne)
{
    const AutocallRun failed =
        autocall({progId, QStringLiteral("InsStr"), QStringLiteral("abc"), QStringLiteral("X"), QStringLiteral("0")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.startsWith(QStringLiteral("error 5: "))) << failed.err.toStdString();
    EXPECT_TRUE(failed.out.isEmpty()) << failed.out.toStdString();
}

TEST_F(UtilexAutocallTest, TypelibShowsTheIdentityAndTheMethodsInSlotOrder)
{
    const AutocallRun typelib = autocall({QStringLiteral("--typelib"), progId});
    EXPECT_EQ(typelib.exitCode, 0) << typelib.err.toStdString();
    for (const char* identity : {"Utilex4", "1.0", "1033", "EAA9A4EE-4C8C-4F2B-9CEC-85572921528A", "UtilexClass",
                                 "26D6ED80-0326-4D1E-8725-483965E7A67D", "Utilex4.UtilexClass", "_UtilexClass",
                                 "C206809D-BCB2-48C4-A5C6-91080F4397A3", "4.0.0.1"})
        EXPECT_TRUE(typelib.out.contains(QLatin1String(identity), Qt::CaseInsensitive)) << identity;

    qsizetype from = 0;
    for (const char16_t* method : utilexMethodsInSlotOrder) {
        const QRegularExpression declaration(QStringLiteral("\\b%1\\(").arg(QString::fromUtf16(method)));
        const qsizetype at = typelib.out.indexOf(declaration, from);
        EXPECT_GE(at, from) << QString::fromUtf16(method).toStdString() << " out of slot order";
        if (at >= from)
            from = at;
    }
    EXPECT_EQ(typelib.out.count(QRegularExpression(QStringLiteral("\\bPartoDallInizio\\b"))), 1);
}

TEST_F(UtilexAutocallTest, TypelibOfUtilexShowsItsOwnIdentityAndItsFortyFourMethods)
{
    const AutocallRun typelib = autocall({QStringLiteral("--typelib"), firstProgId});
    EXPECT_EQ(typelib.exitCode, 0) << typelib.err.toStdString();
    for (const char* identity :
         {"Utilex", "1.0", "3222AC09-8CA2-11D3-97EB-0000E8740307", "3222AC08-8CA2-11D3-97EB-0000E8740307",
          "Utilex.UtilexClass", "_UtilexClass", "3222AC07-8CA2-11D3-97EB-0000E8740307", "1.0.0.0"})
        EXPECT_TRUE(typelib.out.contains(QLatin1String(identity), Qt::CaseInsensitive)) << identity;
    EXPECT_FALSE(typelib.out.contains(QLatin1String("Utilex4"))) << typelib.out.toStdString();

    qsizetype from = 0;
    for (const char16_t* method : firstUtilexMethodsInSlotOrder) {
        const QRegularExpression declaration(QStringLiteral("\\b%1\\(").arg(QString::fromUtf16(method)));
        const qsizetype at = typelib.out.indexOf(declaration, from);
        EXPECT_GE(at, from) << QString::fromUtf16(method).toStdString() << " out of slot order";
        if (at >= from)
            from = at;
    }
    for (const char* missing : {"InsStr(", "GetAppPath(", "MySplit(", "IsPrinterInstalled("})
        EXPECT_FALSE(typelib.out.contains(QLatin1String(missing))) << missing;
}

// Every method answers through autocall, none with 445: in autocall there is no desktop, so the
// system helpers reach nothing.
TEST_F(UtilexAutocallTest, ReachesEveryMethodAndNoneIsMissing)
{
    for (const QString& library : {progId, firstProgId}) {
        const auto typeLibrary = automation::loadTypeLibrary(library);
        for (const automation::MethodInfo& method : typeLibrary->classes.front().defaultInterface->methods) {
            QStringList arguments{library, method.name};
            for (const automation::ParameterInfo& parameter : method.parameters) {
                if (parameter.type == automation::VarType::Object)
                    arguments.append(QStringLiteral("@nothing"));
                else if (parameter.type == automation::VarType::String ||
                         parameter.type == automation::VarType::Variant)
                    arguments.append(QStringLiteral("x"));
                else
                    arguments.append(QStringLiteral("0"));
            }
            const AutocallRun run = autocall(arguments);
            EXPECT_FALSE(run.err.startsWith(QStringLiteral("error 445:")) ||
                         run.err.startsWith(QStringLiteral("error 438:")) ||
                         run.err.startsWith(QStringLiteral("error 449:")))
                << library.toStdString() << " " << method.name.toStdString() << ": " << run.err.toStdString();
        }
    }
}

} // namespace
