#pragma once

#include <QByteArray>

class QProcess;

// What a helper program has printed on stdout once it printed `mark`, ended, or the time ran out:
// kill tests wait on it to kill the helper at a known stage of its work.
QByteArray readOutputUntil(QProcess& process, const QByteArray& mark, int milliseconds = 30000);
