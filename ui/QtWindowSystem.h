#pragma once

namespace ui {

// The desktop's windows for components on Qt: on an X display (the xcb platform) AppClose
// searches every top-level window of the display through X11Windows, and a window handle that
// is not one of the program's own goes to X11 too; elsewhere (the offscreen platform of the
// tests) the program's own windows are all there is. The forms are the program's own; the
// picture loader reads image files into picture objects.
class QtWindowSystem {
public:
    static void install();
    // Puts back the empty window system.
    static void uninstall();
};

} // namespace ui
