#include "interaction/ErrorLog.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "interaction/ErrorDialog.h"
#include "interaction/ScriptedClock.h"
#include "interaction/Seams.h"
#include "platform/DosAttributes.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "tests/support/ScriptedSeams.h"

using namespace interaction;

namespace {

const QString programFolder = QStringLiteral("C:\\Permix");

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        platform::Workstation::layOutDefault(m_root.path());
        platform::Workstation::use(m_root.path());
        platform::files::makeDirectory(programFolder);
    }

    ErrorLog log(const QString& userName = QStringLiteral("Mario")) const
    {
        return ErrorLog(
            programFolder, [userName] { return userName; }, [this] { return m_now; });
    }

    QByteArray logBytes() const
    {
        QFile file(platform::windowsPath::toHost(programFolder + QStringLiteral("\\Tramex.log")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = logBytes().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    QDateTime m_now{QDate(2024, 3, 5), QTime(17, 8, 9)};

private:
    QTemporaryDir m_root;
};

TEST_F(ErrorLogTest, WithoutAClockOfItsOwnTheLogTakesTheInstalledClocksTime)
{
    ScriptedClock clock(m_now);
    Seams::Installation seams;
    seams.setClock(clock);
    const ErrorLog errorLog(programFolder, [] { return QStringLiteral("Mario"); });
    errorLog.WriteErrorLog(QStringLiteral("one"));
    clock.advance(61);
    errorLog.WriteErrorLog(QStringLiteral("two"));
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith("Mario  05/03/2024 17:08:09\r")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith("Mario  05/03/2024 17:09:10\r")) << lines[1].toStdString();
}

TEST_F(ErrorLogTest, RecordIsSixtyCharactersUserTwoBlanksTimeStampCrLf)
{
    log().WriteErrorLog(QStringLiteral("ERRORE     Disk full"));

    EXPECT_EQ(logBytes(), QByteArray("ERRORE     Disk full") + QByteArray(40, ' ') + "Mario  05/03/2024 17:08:09\r\n");
}

TEST_F(ErrorLogTest, TextIsCutAfterSixtyCharactersAndUserNameAfterTen)
{
    log(QStringLiteral("Massimiliano")).WriteErrorLog(QString(59, QLatin1Char('a')) + QStringLiteral("bcd"));

    EXPECT_EQ(logBytes(), QByteArray(59, 'a') + "bMassimilia  05/03/2024 17:08:09\r\n");
}

TEST_F(ErrorLogTest, LinesAreAppendedInWindows1252)
{
    const ErrorLog errorLog = log(QStringLiteral("Nicolò"));
    errorLog.WriteErrorLog(QStringLiteral("Perché"));
    m_now = m_now.addSecs(1);
    errorLog.WriteErrorLog(QStringLiteral("two"));

    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QByteArray("Perch\xE9") + QByteArray(54, ' ') + "Nicol\xF2  05/03/2024 17:08:09\r");
    EXPECT_EQ(lines[1], QByteArray("two") + QByteArray(57, ' ') + "Nicol\xF2  05/03/2024 17:08:10\r");
}

TEST_F(ErrorLogTest, FailingUserNameOnlyLosesTheUser)
{
    ErrorLog errorLog(
        programFolder, []() -> QString { throw platform::RuntimeError(5); }, [this] { return m_now; });
    errorLog.WriteErrorLog(QStringLiteral("x"));

    EXPECT_EQ(logBytes(), QByteArray("x") + QByteArray(59, ' ') + "  05/03/2024 17:08:09\r\n");
}

class UnwritableLogTest : public ErrorLogTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnwritableLogTest, LineIsLostSilently)
{
    const QString folder = QString::fromUtf8(GetParam());
    ErrorLog errorLog(
        folder, [] { return QStringLiteral("Mario"); }, [this] { return m_now; });

    EXPECT_NO_THROW(errorLog.WriteErrorLog(QStringLiteral("lost")));
}

// A missing folder, an unmapped drive.
INSTANTIATE_TEST_SUITE_P(Folders, UnwritableLogTest, ::testing::Values("C:\\Missing\\Deeper", "Q:\\Permix"));

TEST_F(ErrorLogTest, ReadOnlyLogOrLogThatIsAFolderLosesTheLine)
{
    const ErrorLog errorLog = log();
    errorLog.WriteErrorLog(QStringLiteral("kept"));
    const QByteArray kept = logBytes();
    platform::dosAttributes::write(platform::windowsPath::toHost(errorLog.path()), 1);

    EXPECT_NO_THROW(errorLog.WriteErrorLog(QStringLiteral("lost")));
    EXPECT_EQ(logBytes(), kept);

    platform::dosAttributes::write(platform::windowsPath::toHost(errorLog.path()), 0);
    platform::files::removeFile(errorLog.path());
    platform::files::makeDirectory(errorLog.path());
    EXPECT_NO_THROW(errorLog.WriteErrorLog(QStringLiteral("lost")));
    EXPECT_TRUE(QFileInfo(platform::windowsPath::toHost(errorLog.path())).isDir());
}

TEST_F(ErrorLogTest, ErrorDialogWritesFiveLinesWithTheAnswer)
{
    const ErrorLog errorLog = log();
    ScriptedSeams seams(QStringLiteral("Permix"));
    seams.installation.setErrorLog(errorLog);
    seams.prompter.expectMessage(TextMatcher::any(), Answer::Abort);
    QString description = QStringLiteral("Could not find file 'C:\\Tramex Config.mdb'.");

    ShowErrorDialog(QStringLiteral("Proc:FillLstUtenti_Error"), 3024, description);

    const QByteArray tail = "Mario  05/03/2024 17:08:09\r";
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "ERRORE     --------- Inizio descrizione SITUAZIONE DI ERRORE" + tail);
    EXPECT_EQ(lines[1], "ERRORE     Could not find file 'C:\\Tramex Config.mdb'." + QByteArray(6, ' ') + tail);
    EXPECT_EQ(lines[2], "ERRORE     Num: 3024 Traduzione non disponibile" + QByteArray(13, ' ') + tail);
    EXPECT_EQ(lines[3], "ERRORE     Durante Proc:FillLstUtenti_Error Risposto con Ann" + tail);
    EXPECT_EQ(lines[4], "ERRORE     --------------------   Fine descrizione errori --" + tail);
}

TEST_F(ErrorLogTest, AnswerNamesAreLoggedCutToSixtyCharacters)
{
    const ErrorLog errorLog = log();
    ScriptedSeams seams(QStringLiteral("Permix"));
    seams.installation.setErrorLog(errorLog);
    seams.prompter.expectMessage(TextMatcher::any(), Answer::Retry).expectMessage(TextMatcher::any(), Answer::Ignore);
    QString description;

    ShowErrorDialog(QStringLiteral("P"), 1, description);
    ShowErrorDialog(QStringLiteral("P"), 1, description);

    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines[3].startsWith("ERRORE     Durante P Risposto con Riprova "));
    EXPECT_TRUE(lines[8].startsWith("ERRORE     Durante P Risposto con Ignora "));
}

} // namespace
