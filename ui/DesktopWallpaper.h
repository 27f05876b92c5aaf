#pragma once

#include <QString>

namespace ui {

// The wallpaper of the running desktop, set the way each desktop offers (XDG_CURRENT_DESKTOP
// names it): GNOME and the desktops on its settings through gsettings, Cinnamon and MATE through
// their own gsettings keys, Xfce through xfconf-query on every monitor's backdrop. Other desktops
// and a missing tool change nothing; failures are not reported.
class DesktopWallpaper {
public:
    // An empty path takes the wallpaper away.
    static void set(const QString& hostPath);
};

} // namespace ui
