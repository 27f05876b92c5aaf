#pragma once

#include <QList>

#include "automation/ControlKind.h"

class QWidget;

// How the bridge sees a program's widgets: which are forms, which control kind each widget is,
// and a form's controls in their stable order.
namespace ui::widgetKinds {

// A window, or the widget of an MDI child window.
bool isForm(const QWidget& widget);
// The widget of an MDI child window.
bool isMdiChild(const QWidget& form);
// A form that holds an MDI area.
bool isMdiParent(const QWidget& form);

automation::ControlKind kindOf(const QWidget& widget);

// Every named widget inside the form, depth first in child order (the order in which the
// program created or reparented them). Qt's own inner widgets (unnamed, or named "qt_...") are
// left out, and so are windows and MDI child windows inside it, which are forms of their own.
QList<QWidget*> controlsOf(const QWidget& form);

} // namespace ui::widgetKinds
