#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "interaction/LetItReachCaller.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "platform/RuntimeError.h"
#include "tests/support/ScriptedSeams.h"

using namespace interaction;
using Kind = ScriptedPrompter::Kind;

namespace {

const TextMatcher copyTableError = TextMatcher::contains(QStringLiteral("\rDurante ModMain_CopyTable\r"));

// One procedure body, written once: three steps, the second failing as often as asked.
struct CopyCard {
    explicit CopyCard(int failures) : failures(failures) {}

    int failures;
    std::vector<int> ran;
    bool finished = false;

    void operator()(Procedure& procedure)
    {
        if (!procedure.step([&] { ran.push_back(1); }))
            return;
        if (!procedure.step([&] {
                ran.push_back(2);
                if (failures-- > 0)
                    throw platform::RuntimeError(3021, QStringLiteral("No current record."));
            }))
            return;
        if (!procedure.step([&] { ran.push_back(3); }))
            return;
        finished = true;
    }
};

class ErrorStylesTest : public ::testing::Test {
protected:
    ScriptedSeams seams;
};

TEST_F(ErrorStylesTest, RetryRunsTheFailingStepAgainAsOftenAsAsked)
{
    for (int i = 0; i < 5; ++i)
        seams.prompter.expectMessage(copyTableError, Answer::Retry);
    CopyCard body(5);
    TrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2, 2, 2, 2, 2, 2, 3}));
    EXPECT_TRUE(body.finished);
    EXPECT_FALSE(procedure.left());
}

TEST_F(ErrorStylesTest, IgnoreGoesOnAfterTheFailingStep)
{
    seams.prompter.expectMessage(copyTableError, Answer::Ignore);
    CopyCard body(100);
    TrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(body.finished);
}

TEST_F(ErrorStylesTest, AbortLeavesAfterReleasingWhatTheProcedureHolds)
{
    seams.prompter.expectMessage(copyTableError, Answer::Abort);
    CopyCard body(100);
    int released = 0;
    TrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));
    procedure.onAbort([&] {
        ++released;
        throw platform::RuntimeError(91); // a failing release does not stop the leaving
    });

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2}));
    EXPECT_FALSE(body.finished);
    EXPECT_EQ(released, 1);
    EXPECT_TRUE(procedure.left());
    bool ranAfterLeaving = false;
    EXPECT_FALSE(procedure.step([&] { ranAfterLeaving = true; }));
    EXPECT_FALSE(ranAfterLeaving);
}

TEST_F(ErrorStylesTest, UnansweredDialogLeavesAsAbortDoes)
{
    seams.prompter.expectFailure(Kind::Message, copyTableError, platform::RuntimeError(5))
        .expectFailure(Kind::Message, copyTableError, platform::RuntimeError(5));
    CopyCard body(1);
    TrapAndAsk procedure(QStringLiteral("ModMain_CopyTable"));

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2}));
    EXPECT_TRUE(procedure.left());
}

TEST_F(ErrorStylesTest, AProcedureCanAnswerItsErrorsWithItsOwnQuestions)
{
    seams.prompter.expectMessage(QStringLiteral("3021 ancora?"), Answer::Ok)
        .expectMessage(QStringLiteral("3021 ancora?"), Answer::Cancel);
    CopyCard body(100);
    std::vector<int> asked;
    TrapAndAsk procedure([&](const platform::RuntimeError& error) {
        asked.push_back(error.number());
        const Answer answer = Seams::prompter().message(QString::number(error.number()) + QStringLiteral(" ancora?"),
                                                        Buttons::OkCancel, Icon::None, DefaultButton::First, {});
        return answer == Answer::Ok ? Answer::Retry : Answer::Abort;
    });

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(asked, (std::vector<int>{3021, 3021}));
    EXPECT_TRUE(procedure.left());
}

TEST_F(ErrorStylesTest, SkipFailingStepsGoesOnWithoutAsking)
{
    CopyCard body(100);
    SkipFailingSteps procedure;

    body(procedure);

    EXPECT_EQ(body.ran, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(body.finished);
}

TEST_F(ErrorStylesTest, LetItReachCallerLeavesWithTheError)
{
    CopyCard body(1);
    LetItReachCaller procedure;

    try {
        body(procedure);
        FAIL() << "the error did not reach the caller";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), 3021);
    }
    EXPECT_EQ(body.ran, (std::vector<int>{1, 2}));
}

TEST_F(ErrorStylesTest, CallerTrapsTheErrorOfAProcedureThatLetsItThrough)
{
    seams.prompter.expectMessage(TextMatcher::contains(QStringLiteral("Durante Proc:ImportaModello_Error\r")),
                                 Answer::Retry);
    CopyCard inner(1);
    TrapAndAsk outer(QStringLiteral("Proc:ImportaModello_Error"));

    EXPECT_TRUE(outer.step([&] {
        LetItReachCaller procedure;
        inner(procedure);
    }));

    EXPECT_EQ(inner.ran, (std::vector<int>{1, 2, 1, 2, 3}));
}

TEST_F(ErrorStylesTest, OnlyRuntimeErrorsAreTrapped)
{
    TrapAndAsk trapping(QStringLiteral("P"));
    SkipFailingSteps skipping;
    LetItReachCaller plain;
    for (Procedure* procedure : std::vector<Procedure*>{&trapping, &skipping, &plain})
        EXPECT_THROW(procedure->step([] { throw std::runtime_error("not a runtime error"); }), std::runtime_error);
}

} // namespace
