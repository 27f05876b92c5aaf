#include "WorkstationFixture.h"

#include "platform/CommandLine.h"
#include "platform/RuntimeError.h"

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

TEST_F(CommandLineTest, RaisesFileNotFoundWithoutProgram)
{
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("C:\\Program Files\\Tools\\walk fast")}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("\"C:\\Program Files\\Tools\\run fast now\"")}),
              53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("C:\\Program Files\\Tools")}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QString()}), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(CommandLine{QStringLiteral("   ")}), 53);
}

} // namespace
