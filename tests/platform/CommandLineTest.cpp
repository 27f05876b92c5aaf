#include "platform/CommandLine.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include "WorkstationFixture.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

using platform::CommandLine;

namespace {

class CommandLineTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        makeHostFolder(onC(QStringLiteral("Program Files/Tools")));
        writeHostFile(onC(QStringLiteral("Program Files/Tools/run")));
        writeHostFile(onC(QStringLiteral("Program Files/Tools/run fast")));
        writeHostFile(onC(QStringLiteral("Program Files/Tools/Fattix")));
    }
};

TEST_F(CommandLineTest, TakesTheLongestPrefixNamingAFile)
{
    const CommandLine line(QStringLiteral("C:\\Program Files\\Tools\\run fast now and then"));
    EXPECT_EQ(line.program(), onC(QStringLiteral("Program Files/Tools/run fast")));
    EXPECT_EQ(line.argument(), QStringLiteral("now and then"));

    const CommandLine shorter(QStringLiteral("  c:\\program files\\tools\\RUN faster"));
    EXPECT_EQ(shorter.program(), onC(QStringLiteral("Program Files/Tools/run")));
    EXPECT_EQ(shorter.argument(), QStringLiteral("faster"));
}

TEST_F(CommandLineTest, GivesTheRestWholeAfterOneBlank)
{
    const CommandLine line(QStringLiteral("C:\\Program Files\\Tools\\Fattix.exe  \"AB 12\"  x "));
    EXPECT_EQ(line.program(), onC(QStringLiteral("Program Files/Tools/Fattix")));
    EXPECT_EQ(line.argument(), QStringLiteral(" \"AB 12\"  x "));
    EXPECT_EQ(CommandLine(QStringLiteral("C:\\Program Files\\Tools\\Fattix.exe")).argument(), QString());
}

TEST_F(CommandLineTest, TakesAQuotedProgramAsItStands)
{
    const CommandLine line(QStringLiteral("\"C:\\Program Files\\Tools\\run\" fast now"));
    EXPECT_EQ(line.program(), onC(QStringLiteral("Program Files/Tools/run")));
    EXPECT_EQ(line.argument(), QStringLiteral("fast now"));
    EXPECT_EQ(CommandLine(QStringLiteral("\"C:\\Program Files\\Tools\\run fast")).program(),
              onC(QStringLiteral("Program Files/Tools/run fast")));
}

TEST_F(CommandLineTest, ResolvesAgainstTheCurrentFolder)
{
    enter(onC(QStringLiteral("Program Files")));
    const CommandLine line(QStringLiteral("Tools\\fattix.EXE DB1"));
    EXPECT_EQ(line.program(), onC(QStringLiteral("Program Files/Tools/Fattix")));
    EXPECT_EQ(line.argument(), QStringLiteral("DB1"));
}

TEST_F(CommandLineTest, TakesTheLongestPrefixOfAVeryLongLine)
{
    QString blanks;
    while (blanks.size() < 32000)
        blanks += QStringLiteral(" x");
    const CommandLine line(QStringLiteral("C:\\Program Files\\Tools\\run fast") + blanks);
    EXPECT_EQ(line.program(), onC(QStringLiteral("Program Files/Tools/run fast")));
    EXPECT_EQ(line.argument(), blanks.sliced(1));

    // The folders a line walks through come and go with ".." however long it is.
    QString walk = QStringLiteral("C:\\Program Files\\Tools\\a b");
    while (walk.size() < 32000)
        walk += QStringLiteral("\\..\\a b");
    const CommandLine back(walk + QStringLiteral("\\..\\run fast a\\..\\b"));
    EXPECT_EQ(back.program(), onC(QStringLiteral("Program Files/Tools/run fast")));
    EXPECT_EQ(back.argument(), QStringLiteral("a\\..\\b"));
}

// The rule as it stands: each candidate prefix resolved on its own, the longest first.
QString resolvedPrefixByPrefix(const QString& line)
{
    const QString text = QString(line).remove(QRegularExpression(QStringLiteral("^[ \t]+")));
    for (qsizetype end = text.size(); end > 0; --end) {
        if (end < text.size() &&
            (!(text[end] == u' ' || text[end] == u'\t') || text[end - 1] == u' ' || text[end - 1] == u'\t'))
            continue;
        const QString program = platform::windowsPath::resolveProgram(text.first(end));
        if (!program.isEmpty())
            return program + u'|' + (end < text.size() ? text.sliced(end + 1) : QString());
    }
    return QStringLiteral("53");
}

TEST_F(CommandLineTest, AgreesWithResolvingEachPrefixOnItsOwn)
{
    makeHostFolder(onC(QStringLiteral("a b/c.d")));
    for (const char* file : {"a b/c.d/x", "a b/c.d/X.exe", "a b/x y.exe", "a b/z.", "a b/.exe", "x", "x y"})
        writeHostFile(onC(QString::fromUtf8(file)));
    enter(onC(QStringLiteral("a b")));
    // Pieces of paths, blanks and separators twice as likely, and a few that no name may hold.
    const QStringList pieces{QStringLiteral("x"),   QStringLiteral("X"),   QStringLiteral("y"),  QStringLiteral("z"),
                             QStringLiteral(" "),   QStringLiteral(" "),   QStringLiteral("\\"), QStringLiteral("\\"),
                             QStringLiteral("/"),   QStringLiteral("."),   QStringLiteral(".."), QStringLiteral(".exe"),
                             QStringLiteral("c.d"), QStringLiteral("a b"), QStringLiteral("C:"), QStringLiteral("\t"),
                             QStringLiteral("*")};
    const QStringList starts{QString(),
                             QStringLiteral("c.d\\"),
                             QStringLiteral("C:\\a b\\"),
                             QStringLiteral("..\\"),
                             QStringLiteral("\\a B\\c.d\\"),
                             QStringLiteral("c:x"),
                             QStringLiteral("C:\\"),
                             QStringLiteral("\\")};
    QRandomGenerator random(20240611);
    for (int round = 0; round < 4000; ++round) {
        QString line = starts[random.bounded(starts.size())];
        for (int piece = int(random.bounded(1, 7)); piece > 0; --piece)
            line += pieces[random.bounded(pieces.size())];
        QString ours;
        try {
            const CommandLine split(line);
            ours = split.program() + u'|' + split.argument();
        } catch (const platform::RuntimeError& error) {
            ours = QString::number(error.number());
        }
        ASSERT_EQ(ours, resolvedPrefixByPrefix(line)) << line.toStdString();
    }
}

TEST_F(CommandLineTest, RaisesFileNotFoundWithoutProgram)
{
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("C:\\Program Files\\Tools\\walk fast")}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("\"C:\\Program Files\\Tools\\run fast now\"")}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("C:\\Program Files\\Tools")}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QString()}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("   ")}), 53);
}

} // namespace
