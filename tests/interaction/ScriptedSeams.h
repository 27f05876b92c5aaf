#pragma once

#include "interaction/ScriptedKeyState.h"
#include "interaction/ScriptedPendingEvents.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"

#include <gtest/gtest.h>

// Scripted seams installed for one test. A prompt the script does not expect, and scripted
// answers left at the end, fail the test.
class ScriptedSeams
{
public:
    explicit ScriptedSeams(const QString& programTitle = QStringLiteral("Schedex"))
    {
        installation.setPrompter(prompter).setKeyState(keys).setPendingEvents(events).setProgramTitle(
            programTitle);
    }
    ~ScriptedSeams() { prompter.verifyDone(); }

    interaction::ScriptedPrompter prompter{
        [](const QString& failure) { ADD_FAILURE() << failure.toStdString(); }};
    interaction::ScriptedKeyState keys;
    interaction::ScriptedPendingEvents events;
    interaction::Seams::Installation installation;
};
