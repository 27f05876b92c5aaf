#pragma once

#include <QString>
#include <QStringList>

#include "automation/SystemServices.h"

namespace interaction {

// The desktop's services for tests, installed for the object's lifetime: nothing plays, shows,
// ends or prints for real. Every call is recorded in order ("PlaySound <path>", "ShowPanels
// shown|hidden", "EndSession LogOff|ShutDown|Reboot [forced]", "SetWallpaper <path>", "PrintAt
// <text> <x> <y>", "EndDocument", "SetKeyboardState"); the keyboard state is held here and the
// mouse buttons and the printer are what the test says.
class ScriptedSystemServices {
public:
    using KeyboardState = automation::SystemServices::KeyboardState;

    ScriptedSystemServices();
    ~ScriptedSystemServices();
    ScriptedSystemServices(const ScriptedSystemServices&) = delete;
    ScriptedSystemServices& operator=(const ScriptedSystemServices&) = delete;

    // Without a printer, printing fails with 484.
    void setPrinter(bool installed) { m_printer = installed; }
    // automation::SystemServices::MouseButton bits.
    void holdMouseButtons(unsigned buttons) { m_mouseButtons = buttons; }
    // What another program or the user did to the keyboard; not recorded.
    void holdKeyboardState(const KeyboardState& state) { m_keyboard = state; }

    const KeyboardState& keyboardState() const { return m_keyboard; }
    const QStringList& calls() const { return m_calls; }

private:
    QStringList m_calls;
    KeyboardState m_keyboard{};
    unsigned m_mouseButtons = 0;
    bool m_printer = false;
};

} // namespace interaction
