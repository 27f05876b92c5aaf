#include "interaction/ScriptedKeyState.h"

#include <stdexcept>

namespace interaction {

ScriptedKeyState& ScriptedKeyState::pressAtQuery(Key key, int n)
{
    if (n < 1)
        throw std::invalid_argument("pressAtQuery: queries count from 1");
    m_keys[key].downFrom = n;
    return *this;
}

ScriptedKeyState& ScriptedKeyState::hold(Key key)
{
    Script& script = m_keys[key];
    script.downFrom = script.queries + 1;
    return *this;
}

ScriptedKeyState& ScriptedKeyState::release(Key key)
{
    m_keys[key].downFrom = 0;
    return *this;
}

int ScriptedKeyState::queries(Key key) const
{
    const auto found = m_keys.find(key);
    return found == m_keys.end() ? 0 : found->second.queries;
}

bool ScriptedKeyState::isDown(Key key)
{
    Script& script = m_keys[key];
    ++script.queries;
    return script.downFrom > 0 && script.queries >= script.downFrom;
}

} // namespace interaction
