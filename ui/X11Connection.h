#pragma once

struct xcb_connection_t;

namespace ui {

// The program's connection to its X display (the xcb platform); null on any other platform, as
// on the offscreen one of the tests, or without a QGuiApplication.
xcb_connection_t* x11Connection();

} // namespace ui
