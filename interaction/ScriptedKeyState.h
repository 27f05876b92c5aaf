#pragma once

#include <map>

#include "interaction/KeyState.h"

namespace interaction {

// Key state for tests: keys go down at a given query or are held from the start, and every
// query is counted.
class ScriptedKeyState : public KeyState {
public:
    // The key is down from its n-th query on (1 is the first).
    ScriptedKeyState& pressAtQuery(Key key, int n);
    ScriptedKeyState& hold(Key key);
    ScriptedKeyState& release(Key key);

    int queries(Key key) const;
    bool isDown(Key key) override;

private:
    struct Script {
        int queries = 0;
        int downFrom = 0; // 0: up
    };
    std::map<Key, Script> m_keys;
};

} // namespace interaction
