#pragma once

#include <QString>

#include "interaction/ScriptedClock.h"
#include "interaction/ScriptedKeyState.h"
#include "interaction/ScriptedPendingEvents.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"

// Scripted seams installed for one test: prompter, key state, pending events and a clock that
// stands at 5 March 2024, 17:08:09. A prompt the script does not expect, and scripted answers
// left at the end, fail the test: through GoogleTest unless a failure handler is given
// (failQtTest for Qt Test programs).
class ScriptedSeams {
public:
    explicit ScriptedSeams(const QString& programTitle = QStringLiteral("Schedex"),
                           interaction::ScriptedPrompter::FailureHandler onFailure = &failGoogleTest);
    ~ScriptedSeams();
    ScriptedSeams(const ScriptedSeams&) = delete;
    ScriptedSeams& operator=(const ScriptedSeams&) = delete;

    static void failGoogleTest(const QString& failure);
    static void failQtTest(const QString& failure);

    interaction::ScriptedPrompter prompter;
    interaction::ScriptedKeyState keys;
    interaction::ScriptedPendingEvents events;
    interaction::ScriptedClock clock;
    interaction::Seams::Installation installation;
};
