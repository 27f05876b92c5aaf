#pragma once

#include <functional>
#include <map>

#include "interaction/PendingEvents.h"

namespace interaction {

// Pending events for tests: counts the calls and runs a test's action at a given call, as if
// the user had done something while the loop let the window breathe.
class ScriptedPendingEvents : public PendingEvents {
public:
    // Runs `action` during the n-th call (1 is the first).
    ScriptedPendingEvents& atCall(int n, std::function<void()> action);

    int calls() const { return m_calls; }
    void run() override;

private:
    int m_calls = 0;
    std::multimap<int, std::function<void()>> m_actions;
};

} // namespace interaction
