#include "ui/SessionEnding.h"

#include <memory>

#include <QDBusConnection>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using SessionEnd = automation::SystemServices::SessionEnd;

namespace {

// What the stand-in managers were asked, from the thread they answer on.
class Requests {
public:
    void add(const QString& request)
    {
        const QMutexLocker lock(&m_mutex);
        m_list.append(request);
    }
    QStringList list()
    {
        const QMutexLocker lock(&m_mutex);
        return m_list;
    }

private:
    QMutex m_mutex;
    QStringList m_list;
};

class SessionManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SessionManager")
public:
    explicit SessionManager(Requests& requests) : m_requests(requests) {}
public Q_SLOTS:
    void Logout(uint mode) { m_requests.add(u"session Logout %1"_s.arg(mode)); }

private:
    Requests& m_requests;
};

class LoginManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit LoginManager(Requests& requests) : m_requests(requests) {}
public Q_SLOTS:
    void PowerOff(bool interactive) { m_requests.add(u"system PowerOff %1"_s.arg(interactive)); }
    void Reboot(bool interactive) { m_requests.add(u"system Reboot %1"_s.arg(interactive)); }

private:
    Requests& m_requests;
};

class LoginSession : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
public:
    explicit LoginSession(Requests& requests) : m_requests(requests) {}
public Q_SLOTS:
    void Terminate() { m_requests.add(u"system Terminate"_s); }

private:
    Requests& m_requests;
};

// A message bus of the test's own, stopped with the object.
class PrivateBus {
public:
    explicit PrivateBus(const QString& name) : m_name(name)
    {
        m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(m_name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, m_name); }

private:
    QString m_name;
    QProcess m_daemon;
    QString m_address;
};

} // namespace

class SessionEndingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (QStandardPaths::findExecutable(u"dbus-daemon"_s).isEmpty())
            QSKIP("no dbus-daemon");
        m_session = std::make_unique<PrivateBus>(u"session ending: session"_s);
        m_system = std::make_unique<PrivateBus>(u"session ending: system"_s);
        QVERIFY(m_session->connection().isConnected());
        QVERIFY(m_system->connection().isConnected());
        m_managers.start();
    }
    void cleanup()
    {
        m_managers.quit();
        m_managers.wait();
        m_objects.clear();
        m_system.reset();
        m_session.reset();
        m_requests = std::make_unique<Requests>();
    }

    void eachEndGoesToItsManager_data()
    {
        QTest::addColumn<bool>("gnomeSession");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("asked");
        const int logOff = int(SessionEnd::LogOff);
        QTest::newRow("log off") << true << logOff << false << u"session Logout 1"_s;
        QTest::newRow("log off, forced") << true << logOff << true << u"session Logout 2"_s;
        QTest::newRow("log off without a GNOME session") << false << logOff << false << u"system Terminate"_s;
        QTest::newRow("shut down") << true << int(SessionEnd::ShutDown) << false << u"system PowerOff 0"_s;
        QTest::newRow("reboot, forced") << true << int(SessionEnd::Reboot) << true << u"system Reboot 0"_s;
    }
    void eachEndGoesToItsManager()
    {
        QFETCH(bool, gnomeSession);
        QFETCH(int, end);
        QFETCH(bool, force);
        QFETCH(QString, asked);
        if (gnomeSession) {
            serve(m_session->connection(), u"/org/gnome/SessionManager"_s,
                  std::make_unique<SessionManager>(*m_requests));
            QVERIFY(m_session->connection().registerService(u"org.gnome.SessionManager"_s));
        }
        serve(m_system->connection(), u"/org/freedesktop/login1"_s, std::make_unique<LoginManager>(*m_requests));
        serve(m_system->connection(), u"/org/freedesktop/login1/session/auto"_s,
              std::make_unique<LoginSession>(*m_requests));
        QVERIFY(m_system->connection().registerService(u"org.freedesktop.login1"_s));

        ui::SessionEnding(m_session->connection(), m_system->connection()).request(SessionEnd(end), force);
        QCOMPARE(m_requests->list(), QStringList{asked});
    }

    void withoutManagersNothingIsReported()
    {
        ui::SessionEnding(m_session->connection(), m_system->connection()).request(SessionEnd::LogOff, false);
        ui::SessionEnding(QDBusConnection(u"not connected"_s), QDBusConnection(u"not connected"_s))
            .request(SessionEnd::Reboot, true);
        QVERIFY(m_requests->list().isEmpty());
    }

private:
    // The object answers on its own thread while the caller waits for the reply.
    void serve(QDBusConnection bus, const QString& path, std::unique_ptr<QObject> object)
    {
        object->moveToThread(&m_managers);
        QVERIFY(bus.registerObject(path, object.get(), QDBusConnection::ExportAllSlots));
        m_objects.push_back(std::move(object));
    }

    std::unique_ptr<PrivateBus> m_session;
    std::unique_ptr<PrivateBus> m_system;
    std::unique_ptr<Requests> m_requests = std::make_unique<Requests>();
    QThread m_managers;
    std::vector<std::unique_ptr<QObject>> m_objects;
};

TRAMEX_QT_TEST(SessionEndingTest);

#include "SessionEndingTest.moc"
