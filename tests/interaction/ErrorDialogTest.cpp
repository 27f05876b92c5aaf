#include "interaction/ErrorDialog.h"

#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "tests/support/ScriptedSeams.h"

using namespace interaction;
using Kind = ScriptedPrompter::Kind;

namespace {

class ErrorDialogTest : public ::testing::Test {
protected:
    ScriptedSeams seams;
};

TEST_F(ErrorDialogTest, ShowsNumberDescriptionExplanationAndProcedureWithAbortRetryIgnore)
{
    seams.prompter.expectMessage(TextMatcher::any(), Answer::Retry);
    QString description = QStringLiteral("No current record.");

    const Answer answer = ShowErrorDialog(QStringLiteral("ModMain_CopyTable"), 3021, description);

    EXPECT_EQ(answer, Answer::Retry);
    ASSERT_EQ(seams.prompter.prompts().size(), 1);
    const ScriptedPrompter::Prompt& box = seams.prompter.prompts().first();
    EXPECT_EQ(box.kind, Kind::Message);
    EXPECT_EQ(box.text, QStringLiteral("Errore numero : 3021\rNo current record.\r\r"
                                       "Spiegazione : Traduzione non disponibile\r\r"
                                       "Durante ModMain_CopyTable\r\r"));
    EXPECT_EQ(box.buttons, Buttons::AbortRetryIgnore);
    EXPECT_EQ(box.defaultButton, DefaultButton::Second);
    EXPECT_EQ(box.icon, Icon::None);
    EXPECT_EQ(box.title, QStringLiteral("Schedex"));
    EXPECT_EQ(description, QStringLiteral("Traduzione non disponibile"));
}

TEST_F(ErrorDialogTest, EmptyDescriptionKeepsTheFourParagraphs)
{
    seams.prompter.expectMessage(TextMatcher::any(), Answer::Abort);
    QString description;

    ShowErrorDialog(QStringLiteral("EseguiSql"), 5, description);

    ASSERT_EQ(seams.prompter.prompts().size(), 1);
    const QString text = seams.prompter.prompts().first().text;
    EXPECT_EQ(text, QStringLiteral("Errore numero : 5\r\r\rSpiegazione : Traduzione non disponibile\r\r"
                                   "Durante EseguiSql\r\r"));
    EXPECT_EQ(text.split(QLatin1Char('\r')).at(1), QString());
}

TEST_F(ErrorDialogTest, LargeNumbersShowInExponentForm)
{
    seams.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Errore numero : 1.234568E+08\r")),
                                 Answer::Ignore);
    QString description = QStringLiteral("x");
    EXPECT_EQ(ShowErrorDialog(QStringLiteral("P"), 123456789.0f, description), Answer::Ignore);
}

class ErrorDialogAnswerTest : public ErrorDialogTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(ErrorDialogAnswerTest, ReturnsTheUsersAnswer)
{
    seams.prompter.expectMessage(TextMatcher::any(), GetParam());
    QString description = QStringLiteral("Disk full");
    const Answer answer = ShowErrorDialog(QStringLiteral("ModMain_ExportData"), 61, description);
    EXPECT_EQ(answer, GetParam());
}

INSTANTIATE_TEST_SUITE_P(AbortRetryIgnore, ErrorDialogAnswerTest,
                         ::testing::Values(Answer::Abort, Answer::Retry, Answer::Ignore));

TEST_F(ErrorDialogTest, BoxThatFailsOnceIsShownAgain)
{
    seams.prompter.expectFailure(Kind::Message, TextMatcher::any(), platform::RuntimeError(7))
        .expectMessage(TextMatcher::any(), Answer::Ignore);
    QString description = QStringLiteral("File not found");

    EXPECT_EQ(ShowErrorDialog(QStringLiteral("GetAccumarkArea"), 53, description), Answer::Ignore);
    EXPECT_EQ(seams.prompter.prompts().size(), 2);
}

TEST_F(ErrorDialogTest, SecondFailureEndsTheRoutineUnanswered)
{
    seams.prompter.expectFailure(Kind::Message, TextMatcher::any(), platform::RuntimeError(7))
        .expectFailure(Kind::Message, TextMatcher::any(), platform::RuntimeError(7));
    QString description = QStringLiteral("File not found");

    const Answer answer = ShowErrorDialog(QStringLiteral("GetAccumarkArea"), 53, description);

    EXPECT_EQ(qint16(answer), 0);
    EXPECT_EQ(seams.prompter.prompts().size(), 2);
}

} // namespace
