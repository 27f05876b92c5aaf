#pragma once

#include <memory>

#include <QString>

#include "interaction/QtPendingEvents.h"
#include "interaction/Seams.h"
#include "ui/QtKeyState.h"
#include "ui/QtPrompter.h"

namespace ui {

// The real seams of a windowed program, installed for the object's lifetime: Qt dialogs, the
// keyboard, Qt's event loop for pending events, the application cursor as the screen's pointer,
// the desktop's clipboard as the runtime's Clipboard, the desktop's windows, the picture loader
// and the desktop's services (sound, panels, session, wallpaper, printer, keyboard, mouse) for
// components.
class QtSeams {
public:
    explicit QtSeams(const QString& programTitle);
    ~QtSeams();
    QtSeams(const QtSeams&) = delete;
    QtSeams& operator=(const QtSeams&) = delete;

private:
    QtPrompter m_prompter;
    QtKeyState m_keyState;
    interaction::QtPendingEvents m_pendingEvents;
    interaction::Seams::Installation m_installation;
};

// For a program's main(), after the QApplication: keep the result until the event loop ends.
std::unique_ptr<QtSeams> installQtSeams(const QString& programTitle);

} // namespace ui
