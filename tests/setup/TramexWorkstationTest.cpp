#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "tests/support/Printers.h"
#include "tests/support/TestWorkstation.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

// tramex-workstation run as a user runs it, on the workstation in root.
ToolRun tramexWorkstation(const QString& root, const QStringList& arguments)
{
    QProcess process;
    process.start(TestWorkstation::builtProgram(QStringLiteral("tramex-workstation")),
                  QStringList{QStringLiteral("--workstation"), root} + arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class TramexWorkstationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = m_home.filePath(QStringLiteral("workstation"));
        const ToolRun init = tramexWorkstation(m_root, {QStringLiteral("init")});
        ASSERT_EQ(init.exitCode, 0) << qPrintable(init.errors);
        QDir(m_home.path()).mkpath(QStringLiteral("archivi"));
        m_share = m_home.filePath(QStringLiteral("archivi"));
    }

    QString drives() const
    {
        return QString::fromLatin1(TestWorkstation::readHostFile(m_root + QStringLiteral("/drives.ini")));
    }
    std::optional<QString> drivesValue(const QString& section, const QString& key) const
    {
        return platform::IniFile::read(m_root + QStringLiteral("/drives.ini"))->document().value(section, key);
    }

    QTemporaryDir m_home;
    QString m_root;
    QString m_share;
};

TEST_F(TramexWorkstationTest, InitLinksTheProgramsOnCAndRegistersTheComponentsWhereTheyLie)
{
    const QFileInfo schedex(m_root + QStringLiteral("/drive_c/Tramex/Schedex"));
    EXPECT_TRUE(schedex.isSymLink());
    EXPECT_EQ(schedex.symLinkTarget(),
              QFileInfo(TestWorkstation::builtProgram(QStringLiteral("Schedex"))).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(m_root + QStringLiteral("/drive_c/WINDOWS")).isDir());

    const ToolRun show = tramexWorkstation(m_root, {QStringLiteral("show")});
    EXPECT_EQ(show.exitCode, 0) << qPrintable(show.errors);
    EXPECT_TRUE(show.output.contains(QRegularExpression(QStringLiteral("C:  \\S+/drive_c  fixed  ready  \\S+"))))
        << qPrintable(show.output);
    EXPECT_TRUE(show.output.contains(QStringLiteral("Utilex4.Utility")) ||
                show.output.contains(QStringLiteral("Utilex4")))
        << qPrintable(show.output);
    EXPECT_TRUE(show.output.contains(QStringLiteral("Utilex4.dll"))) << qPrintable(show.output);
}

TEST_F(TramexWorkstationTest, InitAgainKeepsTheUsersSettingsAndDrives)
{
    ASSERT_EQ(tramexWorkstation(m_root, {QStringLiteral("map"), QStringLiteral("D:"), m_share}).exitCode, 0);
    const QString hardConfig = m_root + QStringLiteral("/drive_c/WINDOWS/TramexHardConfig.ini");
    QByteArray settings = TestWorkstation::readHostFile(hardConfig);
    ASSERT_TRUE(settings.contains("TxtPathDatabase=D:\\")) << settings.constData();
    settings.replace("TxtPathDatabase=D:\\", "TxtPathDatabase=D:\\Schede\\");
    TestWorkstation::writeHostFile(hardConfig, settings);

    ASSERT_EQ(tramexWorkstation(m_root, {QStringLiteral("init")}).exitCode, 0);

    EXPECT_TRUE(TestWorkstation::readHostFile(hardConfig).contains("TxtPathDatabase=D:\\Schede\\"));
    EXPECT_EQ(drivesValue(QStringLiteral("Drive D"), QStringLiteral("Path")), m_share);
}

TEST_F(TramexWorkstationTest, MapsAndUnmapsDrives)
{
    const QString stick = m_home.filePath(QStringLiteral("chiavetta"));
    const ToolRun map =
        tramexWorkstation(m_root, {QStringLiteral("map"), QStringLiteral("a"), stick, QStringLiteral("--removable"),
                                   QStringLiteral("--capacity"), QStringLiteral("1457664")});
    ASSERT_EQ(map.exitCode, 0) << qPrintable(map.errors);
    EXPECT_EQ(drivesValue(QStringLiteral("Drive A"), QStringLiteral("Path")), stick);
    EXPECT_EQ(drivesValue(QStringLiteral("Drive A"), QStringLiteral("Type")), QStringLiteral("removable"));
    EXPECT_EQ(drivesValue(QStringLiteral("Drive A"), QStringLiteral("Capacity")), QStringLiteral("1457664"));
    EXPECT_TRUE(tramexWorkstation(m_root, {QStringLiteral("show")})
                    .output.contains(QStringLiteral("A:  ") + stick + QStringLiteral("  removable  not ready")));

    QDir().mkpath(stick);
    EXPECT_TRUE(tramexWorkstation(m_root, {QStringLiteral("show")})
                    .output.contains(QStringLiteral("A:  ") + stick + QStringLiteral("  removable  ready")));

    ASSERT_EQ(tramexWorkstation(m_root, {QStringLiteral("unmap"), QStringLiteral("A")}).exitCode, 0);
    EXPECT_FALSE(drives().contains(QStringLiteral("Drive A")));
}

struct Refusal {
    const char* name;
    QStringList arguments; // "SHARE" stands for a writable folder, "LOCKED" for an unwritable one
    int exitCode;
    const char* error;
};

void PrintTo(const Refusal& refusal, std::ostream* stream)
{
    *stream << refusal.name;
}

class TramexWorkstationRefusalTest : public TramexWorkstationTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(TramexWorkstationRefusalTest, SaysWhyAndLeavesDrivesIniAsItWas)
{
    ASSERT_EQ(tramexWorkstation(m_root, {QStringLiteral("map"), QStringLiteral("D"), m_share}).exitCode, 0);
    const QString locked = m_home.filePath(QStringLiteral("solalettura"));
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("SHARE"), m_share);
    arguments.replaceInStrings(QStringLiteral("LOCKED"), locked);
    if (arguments.contains(locked) && ::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    arguments.replaceInStrings(QStringLiteral("MISSING"), m_home.filePath(QStringLiteral("nessuna")));
    const QString before = drives();

    const ToolRun run = tramexWorkstation(m_root, arguments);

    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8(GetParam().error))) << qPrintable(run.errors);
    EXPECT_EQ(drives(), before);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TramexWorkstationRefusalTest,
    ::testing::Values(
        Refusal{"LetterInUse", {"map", "D", "SHARE"}, 1, "drive D: is already used for"},
        Refusal{"DriveC", {"map", "c:", "SHARE"}, 1, "drive C: is already used for"},
        Refusal{"UnwritableFolder", {"map", "E", "LOCKED"}, 1, "cannot be written by this user"},
        Refusal{"MissingFolder", {"map", "E", "MISSING"}, 1, "does not exist"},
        Refusal{"NotALetter", {"map", "1", "SHARE"}, 1, "is not a drive letter"},
        Refusal{"TwoLetters", {"map", "DE", "SHARE"}, 2, "map takes a drive letter and a folder"},
        Refusal{"BadCapacity", {"map", "E", "SHARE", "--capacity", "molto"}, 2, "--capacity takes a number of bytes"},
        Refusal{"UnmapC", {"unmap", "C"}, 1, "cannot be unmapped"},
        Refusal{"UnmapUnmapped", {"unmap", "F"}, 1, "drive F: is not mapped"},
        Refusal{"UnknownCommand", {"format"}, 2, "unknown command \"format\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TramexWorkstationNotSetUpTest, CommandsOtherThanInitSayHowToSetItUp)
{
    QTemporaryDir home;
    const ToolRun show = tramexWorkstation(home.filePath(QStringLiteral("nessuna")), {QStringLiteral("show")});
    EXPECT_EQ(show.exitCode, 1);
    EXPECT_TRUE(show.errors.contains(QStringLiteral("is not set up; run \"tramex-workstation init\" first")))
        << qPrintable(show.errors);
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("nessuna/drives.ini"))));
}

} // namespace

class ProgramWithoutWorkstationTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramWithoutWorkstationTest, SaysSoWithTheCommandThatSetsItUpAndLaysNothingOut)
{
    QTemporaryDir home;
    const QString root = home.filePath(QStringLiteral("postazione"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), root);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(TestWorkstation::builtProgram(QString::fromLatin1(GetParam())), {QStringLiteral("Tramex")});
    QString errors;
    for (int wait = 0; wait < 100 && !errors.contains(QStringLiteral("tramex-workstation map D")); ++wait) {
        program.waitForReadyRead(100);
        errors += QString::fromLocal8Bit(program.readAllStandardError());
    }
    program.kill();
    program.waitForFinished();

    EXPECT_TRUE(errors.contains(QStringLiteral("La postazione di lavoro in %1 non è stata ancora preparata").arg(root)))
        << qPrintable(errors);
    EXPECT_TRUE(errors.contains(QStringLiteral("TRAMEX_WORKSTATION=\"%1\" tramex-workstation init").arg(root)))
        << qPrintable(errors);
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/drives.ini")));
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramWithoutWorkstationTest,
                         ::testing::Values("Schedex", "Permix", "Salvix", "GridDemo"));
