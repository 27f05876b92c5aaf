#pragma once

namespace ui {

// The runtime's Screen on Qt: its mouse pointer is the application's override cursor (so the
// busy pointer shows the hourglass over every window) and its size the primary screen's, in twips.
class QtScreenBackend {
public:
    static void install();
    // Puts back the default backend and the normal pointer.
    static void uninstall();
};

} // namespace ui
