#include "tests/support/ScriptedSeams.h"

#include <utility>

#include <QTest>

#include <gtest/gtest.h>

ScriptedSeams::ScriptedSeams(const QString& programTitle, interaction::ScriptedPrompter::FailureHandler onFailure)
    : prompter(std::move(onFailure)), clock(QDateTime(QDate(2024, 3, 5), QTime(17, 8, 9)))
{
    installation.setPrompter(prompter).setKeyState(keys).setPendingEvents(events).setClock(clock).setProgramTitle(
        programTitle);
}

ScriptedSeams::~ScriptedSeams()
{
    prompter.verifyDone();
}

void ScriptedSeams::failGoogleTest(const QString& failure)
{
    ADD_FAILURE() << failure.toStdString();
}

void ScriptedSeams::failQtTest(const QString& failure)
{
    QTest::qFail(qPrintable(failure), __FILE__, __LINE__);
}
