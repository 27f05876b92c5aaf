#pragma once

#include <cstdint>
#include <vector>

#include "automation/SystemServices.h"

struct xcb_connection_t;

namespace ui {

// The keyboard and the mouse of an X display as the platform's key-state calls see them: the
// Caps Lock and Num Lock toggles are the modifiers their keys lock through XKB, whichever real
// modifier the keymap binds them to; a key or button is held when the server has it down.
class X11Input {
public:
    using KeyboardState = automation::SystemServices::KeyboardState;

    // The connection stays the caller's.
    explicit X11Input(xcb_connection_t* connection);

    // Caps Lock and Num Lock only; every other key reads as up and off.
    KeyboardState keyboardState() const;
    // Locks or unlocks the Caps Lock and Num Lock modifiers as the state's toggles say.
    void setLocks(const KeyboardState& state) const;
    // automation::SystemServices::MouseButton bits.
    unsigned mouseButtons() const;

private:
    std::vector<std::uint8_t> keycodesOf(std::uint32_t keysym) const;
    std::uint8_t modifierOf(const std::vector<std::uint8_t>& keycodes) const;
    bool isHeld(const std::vector<std::uint8_t>& keycodes) const;

    xcb_connection_t* m_connection;
    bool m_hasXkb = false;
};

} // namespace ui
