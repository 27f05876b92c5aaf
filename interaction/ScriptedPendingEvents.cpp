#include "interaction/ScriptedPendingEvents.h"

#include <stdexcept>
#include <utility>

namespace interaction {

ScriptedPendingEvents& ScriptedPendingEvents::atCall(int n, std::function<void()> action)
{
    if (n < 1)
        throw std::invalid_argument("atCall: calls count from 1");
    m_actions.emplace(n, std::move(action));
    return *this;
}

void ScriptedPendingEvents::run()
{
    const int call = ++m_calls;
    const auto [first, last] = m_actions.equal_range(call);
    for (auto action = first; action != last; ++action)
        action->second();
}

} // namespace interaction
