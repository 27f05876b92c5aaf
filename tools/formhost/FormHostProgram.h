#pragma once

#include <QStringList>

namespace formhost {

// formhost [--workstation DIR] [--title TITLE] [--set OBJECT.PROPERTY=VALUE]... [--stay]
//          [METHOD [ARG ...]]
//
// Shows FrmHost, sets the properties given with --set through the widget bridge, creates
// Utilex4 by class id and calls METHOD late-bound against the window. An Object parameter takes
// the form when its argument is the form's name (FrmHost), a control when it names one,
// "hwnd:N" for another program's window by its handle, and otherwise the form, leaving the
// argument to the next parameter; the other parameters take their arguments as text, and the
// ones left out are missing. Then it prints the result ("result: ...") and the window's state
// ("FrmHost.Left: ...", each control's value and Enabled), and ends, or with --stay waits until
// the window is closed. Without METHOD it prints the state and waits.
// Exit codes: 0 done, 1 an automation error (on standard error), 2 a wrong command line.
int run(const QStringList& arguments);

} // namespace formhost
