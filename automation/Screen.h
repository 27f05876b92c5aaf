#pragma once

#include <functional>

namespace automation {

// The runtime's Screen object as components see it: the mouse pointer (11 = hourglass) and the
// screen size in twips. The program's window layer installs the real one; without it the
// pointer is only remembered and the screen is 800 x 600 pixels.
class Screen {
public:
    struct Backend {
        std::function<void(int pointer)> setMousePointer;
        std::function<int()> widthTwips;
        std::function<int()> heightTwips;
    };

    static int mousePointer();
    static void setMousePointer(int pointer);
    static int width();
    static int height();
    static void install(Backend backend);
};

} // namespace automation
