#pragma once

#include <functional>

#include "explorer/store/ExplorerState.h"
#include "tests/support/HookedPrompter.h"
#include "tests/support/ScriptedSeams.h"
#include "tests/support/TestWorkstation.h"

namespace utilex {
class _UtilexClass;
}

// A test's world as the explorer sees it: a fresh workstation with Utilex4 registered, the
// program running as "Schedex" with a fresh explorer state (its own INI "Schedex.ini", the card
// archive folder C:\Schede\, made) and scripted seams, whose prompter sits behind a hook. The
// explorer state and the process's utility object are put back when it goes.
class ExplorerWorkstation : public TestWorkstation, public ScriptedSeams {
public:
    static const QString archiveFolder; // "C:\Schede\"

    explicit ExplorerWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure = &failQtTest,
                                 const QByteArray& drivesIni = {});
    ~ExplorerWorkstation() override;

    // The process's utility object.
    utilex::_UtilexClass& utility();
    void atMessage(int n, std::function<void()> action) { hook.atMessage(n, std::move(action)); }
    void beforeNextPrompt(std::function<void()> action) { hook.beforeNextPrompt(std::move(action)); }

    HookedPrompter hook{prompter};

private:
    store::ExplorerState m_savedState;
};
