#include "tests/support/LockHolder.h"

#include <QProcessEnvironment>

#include "platform/Workstation.h"
#include "tests/support/TestWorkstation.h"

LockHolder::LockHolder(const QString& windowsPath, const QString& mode)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), platform::Workstation::current().root());
    m_process.setProcessEnvironment(environment);
    m_process.start(TestWorkstation::builtProgram(QStringLiteral("store_lock_holder")), {windowsPath, mode});
    if (!m_process.waitForStarted(10000)) {
        m_status = QStringLiteral("not started");
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    m_status = QString::fromUtf8(m_process.readLine()).trimmed();
}

LockHolder::~LockHolder()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(10000))
        kill();
}

void LockHolder::kill()
{
    m_process.kill();
    m_process.waitForFinished(10000);
}
