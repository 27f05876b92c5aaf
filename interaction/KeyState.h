#pragma once

namespace interaction {

enum class Key { Escape, Shift };

// The platform's asynchronous key state: whether a key is down at this moment, whatever the
// event being handled says.
class KeyState {
public:
    virtual ~KeyState();
    virtual bool isDown(Key key) = 0;
    // A long loop starts watching the key: a press that came and went before now no longer
    // counts, only one during the loop or a key still held. Nothing to forget by default.
    virtual void forgetEarlierPresses(Key key);
};

} // namespace interaction
