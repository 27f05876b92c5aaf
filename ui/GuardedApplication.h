#pragma once

#include <QApplication>

namespace ui {

// The application object of every windowed program. Events are delivered through it, so a
// run-time error that escapes a handler is reported here through the error dialog, and the
// program goes on, instead of unwinding into the event loop and ending the program.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The procedure the error dialog names for an error escaping a handler of receiver: its
    // window's name and its own, as "FrmExplorer_LWModelli".
    static QString procedureOf(const QObject* receiver);
};

} // namespace ui
