#pragma once

#include <QRect>

class QWidget;

// A form's outer frame, window state and border style as the runtime sees them. The frame is
// the window's frame on the desktop, or the MDI child window's frame in its MDI area.
namespace ui::formGeometry {

// The widget that carries the form's frame: the MDI child window, or the form itself.
QWidget& outer(QWidget& form);

QRect frame(const QWidget& form);
// Moves and sizes the form so that its frame is there. 384 while it is minimised or maximised,
// as the runtime refuses.
void setFrame(QWidget& form, const QRect& frame);

// 0 normal, 1 minimised, 2 maximised (full screen reads as maximised).
int windowState(const QWidget& form);
// 380 for any other state.
void setWindowState(QWidget& form, int state);

// The integer in the form's dynamic property "BorderStyle" when the program declares one;
// otherwise 0 (none) for a frameless window; for a fixed-size window (minimum size equal to
// maximum size, or a fixed-size dialog hint) 4 (fixed tool window) for a tool window, 3 (fixed
// dialog) for a dialog and 1 (fixed single) for the rest; for a resizable one 5 (sizable tool
// window) for a tool window and 2 (sizable) for the rest.
int borderStyle(const QWidget& form);

} // namespace ui::formGeometry
