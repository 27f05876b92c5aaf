#include "ui/SessionEnding.h"

#include <utility>

#include <QDBusMessage>

namespace ui {

namespace {

using namespace Qt::StringLiterals;
using SessionEnd = automation::SystemServices::SessionEnd;

constexpr int callTimeoutMilliseconds = 10000;
// org.gnome.SessionManager.Logout's modes.
constexpr quint32 logoutWithoutConfirmation = 1;
constexpr quint32 logoutForced = 2;

const QString login1 = u"org.freedesktop.login1"_s;

bool answered(QDBusConnection bus, const QDBusMessage& call)
{
    return bus.isConnected() &&
           bus.call(call, QDBus::Block, callTimeoutMilliseconds).type() == QDBusMessage::ReplyMessage;
}

} // namespace

SessionEnding::SessionEnding(QDBusConnection sessionBus, QDBusConnection systemBus)
    : m_sessionBus(std::move(sessionBus)), m_systemBus(std::move(systemBus))
{
}

void SessionEnding::logOff(bool force) const
{
    QDBusMessage logout = QDBusMessage::createMethodCall(u"org.gnome.SessionManager"_s, u"/org/gnome/SessionManager"_s,
                                                         u"org.gnome.SessionManager"_s, u"Logout"_s);
    logout << (force ? logoutForced : logoutWithoutConfirmation);
    if (answered(m_sessionBus, logout))
        return;
    answered(m_systemBus, QDBusMessage::createMethodCall(login1, u"/org/freedesktop/login1/session/auto"_s,
                                                         u"org.freedesktop.login1.Session"_s, u"Terminate"_s));
}

void SessionEnding::power(const QString& method) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(login1, u"/org/freedesktop/login1"_s,
                                                       u"org.freedesktop.login1.Manager"_s, method);
    call << false; // not interactive: no password is asked for
    answered(m_systemBus, call);
}

void SessionEnding::request(SessionEnd end, bool force) const
{
    switch (end) {
    case SessionEnd::LogOff:
        logOff(force);
        break;
    case SessionEnd::ShutDown:
        power(u"PowerOff"_s);
        break;
    case SessionEnd::Reboot:
        power(u"Reboot"_s);
        break;
    }
}

} // namespace ui
