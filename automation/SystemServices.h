#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QString>

namespace automation {

// The desktop's services behind a component's system helpers: sound, the desktop's panels,
// ending the session, the wallpaper, the default printer, the keyboard's state and the mouse
// buttons. The program's window layer installs the real ones; without them nothing plays, shows,
// ends or changes, there is no printer (484), the keyboard state is the process's own (what was
// set reads back) and no mouse button is down.
class SystemServices {
public:
    // The platform's keyboard state, one byte per virtual key: bit 0 toggled on, bit 7 held down.
    using KeyboardState = std::array<std::uint8_t, 256>;
    static constexpr int capsLockKey = 20;
    static constexpr int numLockKey = 144;

    enum class SessionEnd { LogOff, ShutDown, Reboot };
    enum MouseButton : unsigned { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

    struct Backend {
        // Starts playing a sound file and returns, in place of the sound that plays; an empty path
        // stops it. Failures are silent.
        std::function<void(const QString& hostPath)> playSound;
        // Shows or hides the desktop's panels (its task bars); nothing when it has none.
        std::function<void(bool shown)> showPanels;
        // Asks for the end of the session; with force no program may refuse it.
        std::function<void(SessionEnd end, bool force)> endSession;
        // Puts the picture on the running desktop; an empty path takes the wallpaper away.
        std::function<void(const QString& hostPath)> setWallpaper;
        std::function<bool()> hasPrinter;
        // Prints the text with its top left corner at (x, y), in twips from the printable area's
        // corner, on the default printer's open document, opening one when there is none. 484
        // without a printer.
        std::function<void(const QString& text, double x, double y)> printAt;
        // Sends the open document, if any, to the printer.
        std::function<void()> endDocument;
        std::function<KeyboardState()> keyboardState;
        // Applies the toggles of the lock keys.
        std::function<void(const KeyboardState& state)> setKeyboardState;
        // The buttons held down, as MouseButton bits.
        std::function<unsigned()> mouseButtons;
    };

    static void playSound(const QString& hostPath);
    static void showPanels(bool shown);
    static void endSession(SessionEnd end, bool force);
    static void setWallpaper(const QString& hostPath);
    static bool hasPrinter();
    static void printAt(const QString& text, double x, double y);
    static void endDocument();
    static KeyboardState keyboardState();
    static void setKeyboardState(const KeyboardState& state);
    static unsigned mouseButtons();
    // An empty backend puts back the one without a desktop; the process's own keyboard state
    // stays as it was.
    static void install(Backend backend);
};

} // namespace automation
