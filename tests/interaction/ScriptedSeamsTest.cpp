#include <stdexcept>

#include <QStringList>

#include <gtest/gtest.h>

#include "interaction/CopyProgress.h"
#include "interaction/ErrorDialog.h"
#include "interaction/KeyState.h"
#include "interaction/PendingEvents.h"
#include "interaction/ScriptedKeyState.h"
#include "interaction/ScriptedPendingEvents.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"
#include "platform/RuntimeError.h"

using namespace interaction;
using ScriptError = ScriptedPrompter::ScriptError;

namespace {

MessageBox yesNo(const QString& text)
{
    return MessageBox{text, Buttons::YesNo, Icon::Exclamation, DefaultButton::Second, QStringLiteral("T")};
}

TEST(ScriptedPrompterTest, AnswersInOrderAndRecordsEachPrompt)
{
    ScriptedPrompter prompter;
    prompter.expectMessage(QStringLiteral("Sei sicuro?"), Answer::No)
        .expectInput(TextMatcher::startsWith(QStringLiteral("Inserisci")), QStringLiteral("M1"))
        .expectOpenFile(QStringLiteral("Seleziona la scheda da importare"), QStringLiteral("C:\\a.csv"))
        .expectSaveFile(TextMatcher::any(), QString())
        .expectFolder(TextMatcher::contains(QStringLiteral("cartella")), QStringLiteral("C:\\Schede"))
        .expectFormat(0, -2);

    EXPECT_EQ(prompter.message(yesNo(QStringLiteral("Sei sicuro?"))), Answer::No);
    EXPECT_EQ(prompter.input(QStringLiteral("Inserisci il nome"), QStringLiteral("Importa"), QStringLiteral("x")),
              QStringLiteral("M1"));
    FileDialog open{nullptr,
                    {{QStringLiteral("File CSV (*.csv)"), QStringLiteral("*.csv")}},
                    QStringLiteral("C:\\"),
                    QStringLiteral("Seleziona la scheda da importare")};
    EXPECT_EQ(prompter.openFile(open), QStringLiteral("C:\\a.csv"));
    EXPECT_EQ(prompter.saveFile(FileDialog{}), QString());
    EXPECT_EQ(prompter.browseForFolder(nullptr, QStringLiteral("Seleziona la cartella")), QStringLiteral("C:\\Schede"));
    EXPECT_EQ(prompter.formatDrive(nullptr, 0), -2);
    prompter.verifyDone();

    ASSERT_EQ(prompter.prompts().size(), 6);
    EXPECT_EQ(prompter.prompts()[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.prompts()[0].defaultButton, DefaultButton::Second);
    EXPECT_EQ(prompter.prompts()[1].defaultText, QStringLiteral("x"));
    EXPECT_EQ(prompter.prompts()[2].filters.first().pattern, QStringLiteral("*.csv"));
    EXPECT_TRUE(prompter.failures().isEmpty());
}

TEST(ScriptedPrompterTest, UnexpectedPromptsFail)
{
    ScriptedPrompter empty;
    EXPECT_THROW(empty.message(yesNo(QStringLiteral("?"))), ScriptError);

    ScriptedPrompter otherText;
    otherText.expectMessage(QStringLiteral("A"), Answer::Yes);
    EXPECT_THROW(otherText.message(yesNo(QStringLiteral("B"))), ScriptError);

    ScriptedPrompter otherKind;
    otherKind.expectInput(TextMatcher::any(), QStringLiteral("x"));
    EXPECT_THROW(otherKind.message(yesNo(QStringLiteral("A"))), ScriptError);

    ScriptedPrompter otherDrive;
    otherDrive.expectFormat(0, 0);
    EXPECT_THROW(otherDrive.formatDrive(nullptr, 1), ScriptError);

    ScriptedPrompter noSuchButton;
    noSuchButton.expectMessage(TextMatcher::any(), Answer::Cancel);
    EXPECT_THROW(noSuchButton.message(yesNo(QStringLiteral("A"))), ScriptError);

    for (ScriptedPrompter* prompter : {&empty, &otherText, &otherKind, &otherDrive, &noSuchButton}) {
        EXPECT_EQ(prompter->failures().size(), 1);
        if (prompter->remaining() > 0) {
            EXPECT_THROW(prompter->verifyDone(), ScriptError);
        }
    }
}

TEST(ScriptedPrompterTest, ShellCopiesRunToTheEndAndAskBeforeReplacing)
{
    ScriptedPrompter prompter;
    bool formatted = false;
    prompter.expectReplace(QStringLiteral("A:\\Salvix.zip"), false)
        .expectFormat(0, 0, [&] { formatted = true; })
        .expectReplace(TextMatcher::any(), true);

    const auto progress =
        prompter.copyProgress(nullptr, QStringLiteral("C:\\T\\Salvix.zip"), QStringLiteral("A:\\Salvix.zip"));
    EXPECT_TRUE(progress->advance(10, 20));
    EXPECT_TRUE(progress->advance(20, 20));
    EXPECT_FALSE(prompter.confirmReplace(nullptr, QStringLiteral("A:\\Salvix.zip")));
    EXPECT_EQ(prompter.formatDrive(nullptr, 0), 0);
    EXPECT_TRUE(formatted);
    EXPECT_TRUE(prompter.confirmReplace(nullptr, QStringLiteral("A:\\Salvix.ini")));
    prompter.verifyDone();

    ASSERT_EQ(prompter.copies().size(), 1);
    EXPECT_EQ(prompter.copies()[0].from, QStringLiteral("C:\\T\\Salvix.zip"));
    EXPECT_EQ(prompter.copies()[0].to, QStringLiteral("A:\\Salvix.zip"));
    ASSERT_EQ(prompter.prompts().size(), 3);
    EXPECT_EQ(prompter.prompts()[0].kind, ScriptedPrompter::Kind::Replace);

    ScriptedPrompter unexpected;
    EXPECT_THROW(unexpected.confirmReplace(nullptr, QStringLiteral("A:\\x")), ScriptError);
}

TEST(ScriptedPrompterTest, UnexpectedPromptIsNotTrappedAsARuntimeError)
{
    ScriptedPrompter prompter;
    Seams::Installation seams;
    seams.setPrompter(prompter);
    TrapAndAsk procedure(QStringLiteral("EseguiSql"));

    EXPECT_THROW(procedure.step([] { throw platform::RuntimeError(3021); }), ScriptError);
}

TEST(ScriptedPrompterTest, AnswersLeftAtTheEndFail)
{
    QStringList reported;
    {
        ScriptedPrompter prompter([&](const QString& failure) { reported.append(failure); });
        prompter.expectMessage(QStringLiteral("Invio dati completato !!"), Answer::Ok);
    }
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains(QStringLiteral("Invio dati completato !!")));

    ScriptedPrompter verified;
    verified.expectFolder(TextMatcher::any(), QString());
    EXPECT_THROW(verified.verifyDone(), ScriptError);
}

TEST(ScriptedPrompterTest, ReportingHandlerLeavesThePromptUnanswered)
{
    QStringList reported;
    ScriptedPrompter prompter([&](const QString& failure) { reported.append(failure); });

    EXPECT_EQ(prompter.message(yesNo(QStringLiteral("Elimina?"))), Answer::None);
    EXPECT_EQ(prompter.input(QStringLiteral("Nome"), QString(), QStringLiteral("x")), QString());
    EXPECT_EQ(reported.size(), 2);
    EXPECT_TRUE(reported.first().contains(QStringLiteral("Elimina?")));
}

TEST(SeamsTest, WithoutAnInstallationAskingIsAProgrammingError)
{
    EXPECT_THROW(Seams::prompter().message(yesNo(QStringLiteral("?"))), std::logic_error);
    EXPECT_FALSE(Seams::keyState().isDown(Key::Escape));
    EXPECT_EQ(Seams::errorLog(), nullptr);
    EXPECT_NO_THROW(Seams::pendingEvents().run());
}

TEST(SeamsTest, InstallationsPutBackWhatTheyReplaced)
{
    ScriptedKeyState outerKeys;
    outerKeys.hold(Key::Shift);
    ScriptedKeyState innerKeys;
    {
        Seams::Installation outer;
        outer.setKeyState(outerKeys).setProgramTitle(QStringLiteral("Permix"));
        {
            Seams::Installation inner;
            inner.setKeyState(innerKeys).setProgramTitle(QStringLiteral("Schedex"));
            EXPECT_FALSE(Seams::keyState().isDown(Key::Shift));
            EXPECT_EQ(Seams::programTitle(), QStringLiteral("Schedex"));
        }
        EXPECT_TRUE(Seams::keyState().isDown(Key::Shift));
        EXPECT_EQ(Seams::programTitle(), QStringLiteral("Permix"));
    }
    EXPECT_FALSE(Seams::keyState().isDown(Key::Shift));
}

TEST(ScriptedKeyStateTest, EscGoesDownAtTheNthQueryAndStaysDown)
{
    ScriptedKeyState keys;
    keys.pressAtQuery(Key::Escape, 3);
    int cards = 0;
    while (cards < 10 && !keys.isDown(Key::Escape))
        ++cards;
    EXPECT_EQ(cards, 2);
    EXPECT_TRUE(keys.isDown(Key::Escape));
    EXPECT_FALSE(keys.isDown(Key::Shift));
    EXPECT_EQ(keys.queries(Key::Escape), 4);

    keys.release(Key::Escape);
    EXPECT_FALSE(keys.isDown(Key::Escape));
}

TEST(ScriptedPendingEventsTest, RunsTheTestsActionAtTheNthCall)
{
    ScriptedPendingEvents events;
    ScriptedKeyState keys;
    events.atCall(2, [&] { keys.hold(Key::Escape); });
    events.run();
    EXPECT_FALSE(keys.isDown(Key::Escape));
    events.run();
    EXPECT_TRUE(keys.isDown(Key::Escape));
    events.run();
    EXPECT_EQ(events.calls(), 3);
}

} // namespace
