#pragma once

namespace ui {

// The runtime's Clipboard on the desktop's clipboard (QGuiApplication::clipboard()), as plain
// text. A program without a QGuiApplication keeps the process's own clipboard.
class QtClipboardBackend {
public:
    static void install();
    // Puts back the process's own clipboard.
    static void uninstall();
};

} // namespace ui
