#pragma once

#include "automation/DispatchObject.h"

class QWidget;

// The widget bridge: a program's Qt windows and controls handed to a component as late-bound
// automation objects, with the runtime's member names (case ignored) and units.
//
// - Forms: any window, or the widget of an MDI child window (a QMdiSubWindow given is taken as
//   its widget). "Name" is the object name; "Left", "Top", "Width", "Height" the outer frame in
//   twips (15 per pixel, as at 96 dpi); an MDI child's frame is its subwindow's in the MDI
//   area. They cannot change while the form is minimised or maximised (384).
// - "BorderStyle": the form's dynamic property "BorderStyle" when the program sets one;
//   otherwise read from the window: frameless 0; fixed size (minimum = maximum, or the
//   fixed-size dialog hint) 1, 3 for a dialog, 4 for a Qt::Tool window; resizable 2, or 5 for a
//   Qt::Tool window.
// - "ScaleMode" is kept in the widget's dynamic property "ScaleMode" (1 twips by default);
//   "ScaleWidth" and "ScaleHeight" are the inner size in that unit.
// - "Controls": every named widget inside the form, depth first in child order (creation or
//   reparenting order); Qt's inner widgets (unnamed or "qt_...") and nested windows are not in
//   it. "Count", and "Item" (the default member) by index from 0 or by name.
// - Control kinds by Qt class, never by name: QCheckBox check box, QLineEdit / QTextEdit /
//   QPlainTextEdit text box, QRadioButton option button, QLabel label, QComboBox combo box,
//   PictureControl picture box or image (its kind says which), QPushButton command button,
//   QListWidget list box; every other named widget is a control of no known kind ("Name" and
//   "Enabled" only). A member the object lacks raises 438.
// - "hwnd": the window's native id (the X11 window id on an X display); an MDI child answers its
//   MDI parent's. "MDIChild" raises 438 on a form that holds an MDI area, as on an MDI form.
// - Colours cross as red + 256 * green + 65536 * blue.
// - Pictures: LoadPicture (WindowSystem::loadPicture) reads an image file into a QPixmap-backed
//   picture object; a picture read as a value is its handle number, unique per loaded picture,
//   0 for the empty picture. "PaintPicture" draws into a canvas kept under the form's controls.
//
// The objects hold the widget weakly: once it is destroyed their members raise 364.
namespace ui::widgetBridge {

// The widget as a form.
automation::ObjectRef form(QWidget& form);
// The widget as a control of its kind.
automation::ObjectRef control(QWidget& control);
// A form for a form (a window or an MDI child's widget), a control for anything else.
automation::ObjectRef object(QWidget& widget);

} // namespace ui::widgetBridge
