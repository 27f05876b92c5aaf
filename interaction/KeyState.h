#pragma once

namespace interaction
{

enum class Key { Escape, Shift };

// The platform's asynchronous key state: whether a key is down at this moment, whatever the
// event being handled says.
class KeyState
{
public:
    virtual ~KeyState();
    virtual bool isDown(Key key) = 0;
};

} // namespace interaction
