#include "tests/support/ProcessOutput.h"

#include <QDeadlineTimer>
#include <QProcess>

QByteArray readOutputUntil(QProcess& process, const QByteArray& mark, int milliseconds)
{
    QByteArray output;
    const QDeadlineTimer deadline(milliseconds);
    while (!output.contains(mark) && process.state() == QProcess::Running && !deadline.hasExpired()) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    return output;
}
