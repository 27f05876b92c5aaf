#include "VirtualDisplay.h"

#include <csignal>
#include <sys/prctl.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

bool answers(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
}

} // namespace

VirtualDisplay::VirtualDisplay()
{
    const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (server.isEmpty()) {
        m_problem = QStringLiteral("Xvfb is not installed");
        return;
    }
    m_installed = true;
    // Display numbers from one that depends on the process, so that test programs running side
    // by side try different ones first.
    // The server goes with the test program, even when the program dies.
    m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const int first = 100 + int(QCoreApplication::applicationPid() % 400);
    for (int number = first; number < first + 40; ++number) {
        const QString display = QStringLiteral(":%1").arg(number);
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        // -noreset: the server would start over whenever its last client leaves, between two tests.
        m_server.start(server, {display, QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24")});
        if (!m_server.waitForStarted(5000))
            break;
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_server.state() == QProcess::Running && !answers(display))
            QThread::msleep(50);
        if (m_server.state() == QProcess::Running && answers(display)) {
            m_name = display;
            return;
        }
        m_server.kill();
        m_server.waitForFinished();
    }
    m_problem = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished();
    }
}
