#include "platform/Process.h"

#include <cerrno>
#include <sys/wait.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include "WorkstationFixture.h"
#include "platform/RuntimeError.h"

using namespace platform;

namespace {

class ProcessTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        m_echo = QDir(root()).filePath(QStringLiteral("echo.txt"));
        qputenv("PLATFORM_TEST_ECHO", QFile::encodeName(m_echo));
        makeHostFolder(onC(QStringLiteral("Program Files/Eco Prova")));
        ASSERT_TRUE(QFile::copy(helper(QStringLiteral("platform_test_echo")),
                                onC(QStringLiteral("Program Files/Eco Prova/eco"))));
    }
    void TearDown() override
    {
        qunsetenv("PLATFORM_TEST_ECHO");
        qunsetenv("PLATFORM_TEST_SLEEP_MS");
        WorkstationTest::TearDown();
    }

    // What the echo program wrote: argument count, arguments, workstation, current folder.
    QStringList echoed() const
    {
        QStringList lines = QString::fromUtf8(readHostFile(m_echo)).split(u'\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }

    static bool isOurUnreapedChild(std::int64_t pid)
    {
        int status = 0;
        return ::waitpid(pid_t(pid), &status, WNOHANG) >= 0;
    }

    QString m_echo;
};

TEST_F(ProcessTest, StartsAProgramWithBlanksInItsPathGivingTheRestWhole)
{
    qputenv("TRAMEX_WORKSTATION", "/another/workstation");
    enter(onC(QStringLiteral("Program Files")));
    const std::int64_t pid =
        process::start(QStringLiteral("C:\\PROGRAM FILES\\eco prova\\Eco.exe primo  secondo \"terzo quarto\" "));
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(process::waitFor(pid));
    EXPECT_EQ(echoed(), (QStringList{QStringLiteral("1"), QStringLiteral("primo  secondo \"terzo quarto\" "), root(),
                                     QDir::currentPath()}));
    qunsetenv("TRAMEX_WORKSTATION");
}

TEST_F(ProcessTest, GivesNoArgumentWhenTheLineHasNone)
{
    EXPECT_TRUE(process::waitFor(process::start(QStringLiteral("\"C:\\Program Files\\Eco Prova\\eco\""))));
    EXPECT_EQ(echoed().value(0), QStringLiteral("0"));
}

TEST_F(ProcessTest, RaisesFileNotFoundForAMissingProgram)
{
    EXPECT_EQ(RUNTIME_ERROR_OF(process::start(QStringLiteral("C:\\Program Files\\Manca.exe x"))), 53);
}

TEST_F(ProcessTest, WaitsForAChildAndReapsIt)
{
    qputenv("PLATFORM_TEST_SLEEP_MS", "300");
    QElapsedTimer timer;
    timer.start();
    const std::int64_t pid = process::start(QStringLiteral("C:\\Program Files\\Eco Prova\\eco uno"));
    EXPECT_TRUE(process::waitFor(pid));
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_EQ(echoed().value(1), QStringLiteral("uno"));
    EXPECT_FALSE(isOurUnreapedChild(pid));
    EXPECT_FALSE(process::waitFor(pid)) << "an ended and reaped process cannot be opened";
}

TEST_F(ProcessTest, ReapsAChildThatHasAlreadyEnded)
{
    const std::int64_t pid = process::start(QStringLiteral("C:\\Program Files\\Eco Prova\\eco"));
    while (!QFile::exists(m_echo))
        process::sleepMilliseconds(10);
    process::sleepMilliseconds(100);
    EXPECT_TRUE(process::waitFor(pid));
    EXPECT_FALSE(isOurUnreapedChild(pid));
}

TEST_F(ProcessTest, WaitsForAProcessThatIsNotItsChild)
{
    qputenv("PLATFORM_TEST_SLEEP_MS", "300");
    qint64 pid = 0;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(QProcess::startDetached(helper(QStringLiteral("platform_test_echo")), {}, QString(), &pid));
    EXPECT_TRUE(process::waitFor(pid));
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_EQ(echoed().value(0), QStringLiteral("0"));
}

TEST_F(ProcessTest, ReturnsFalseForIdsThatNameNoProcess)
{
    EXPECT_FALSE(process::waitFor(0));
    EXPECT_FALSE(process::waitFor(-7));
    EXPECT_FALSE(process::waitFor(std::int64_t(1) << 40));
    EXPECT_FALSE(process::waitFor(4194305)); // above the kernel's largest process id
}

TEST(Sleep, SleepsAtLeastTheTimeAsked)
{
    QElapsedTimer timer;
    timer.start();
    process::sleepMilliseconds(60);
    EXPECT_GE(timer.elapsed(), 59);
}

} // namespace
