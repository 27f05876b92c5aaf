#pragma once

namespace ui {

// The desktop's services for components: sound through SoundPlayer, the panels, the keyboard and
// the mouse of the X display (X11Windows, X11Input), the end of the session (SessionEnding), the
// wallpaper (DesktopWallpaper) and the default printer (PrinterDocument). Without an X display
// there are no panels, the keyboard state is the process's own and the mouse buttons are the
// ones the application has seen.
class QtSystemServices {
public:
    static void install();
    // Sends the open print document and puts back the services without a desktop.
    static void uninstall();
};

} // namespace ui
