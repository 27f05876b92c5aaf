#pragma once

#include <QDBusConnection>

#include "automation/SystemServices.h"

namespace ui {

// The end of the user's session through the session and login managers on D-Bus: a log-off is
// the GNOME session manager's Logout (without asking the user; forced, without letting programs
// refuse) where one runs, else logind's Terminate of the caller's session; a shut-down or restart
// is logind's PowerOff or Reboot, without asking for a password (no privilege is requested
// first). The call returns once the request is made; failures are not reported.
class SessionEnding {
public:
    // Over the given session and system buses; the desktop's own by default.
    explicit SessionEnding(QDBusConnection sessionBus = QDBusConnection::sessionBus(),
                           QDBusConnection systemBus = QDBusConnection::systemBus());

    void request(automation::SystemServices::SessionEnd end, bool force) const;

private:
    void logOff(bool force) const;
    void power(const QString& method) const;

    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
};

} // namespace ui
