#pragma once

#include <memory>

#include <QIcon>
#include <QString>

#include "interaction/QtPendingEvents.h"
#include "interaction/Seams.h"
#include "ui/QtKeyState.h"
#include "ui/QtPrompter.h"
#include "ui/QtTranslations.h"

namespace ui {

// The real seams of a windowed program, installed for the object's lifetime: Qt dialogs, the
// keyboard, Qt's event loop for pending events, the application cursor as the screen's pointer,
// the desktop's clipboard as the runtime's Clipboard, the desktop's windows, the picture loader
// and the desktop's services (sound, panels, session, wallpaper, printer, keyboard, mouse) for
// components; with them Qt's own texts in Italian and the program's icon on every window it opens.
class QtSeams {
public:
    QtSeams(const QString& programTitle, const QIcon& windowIcon);
    ~QtSeams();
    QtSeams(const QtSeams&) = delete;
    QtSeams& operator=(const QtSeams&) = delete;

    const QtTranslations& translations() const { return m_translations; }

private:
    QtPrompter m_prompter;
    QtKeyState m_keyState;
    interaction::QtPendingEvents m_pendingEvents;
    interaction::Seams::Installation m_installation;
    QtTranslations m_translations;
    QIcon m_previousIcon;
};

// For a program's main(), after the QApplication: keep the result until the event loop ends.
// Every program calls it first thing, with its name and its icon.
std::unique_ptr<QtSeams> installQtSeams(const QString& programTitle, const QIcon& windowIcon = QIcon());

} // namespace ui
