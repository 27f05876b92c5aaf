#include "bench/SqliteShell.h"

#include <stdexcept>

#include <QProcess>

namespace bench {

namespace {

void runShell(QProcess& shell, const QStringList& arguments)
{
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.start(QStringLiteral("sqlite3"), QStringList{QStringLiteral("-bail")} + arguments);
    if (!shell.waitForFinished(-1) || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
        throw std::runtime_error("sqlite3 failed: " + shell.readAllStandardError().toStdString() +
                                 shell.errorString().toStdString());
}

} // namespace

void SqliteShell::run(const QStringList& arguments)
{
    QProcess shell;
    runShell(shell, arguments);
}

void SqliteShell::runScript(const QString& scriptFile)
{
    QProcess shell;
    shell.setStandardInputFile(scriptFile);
    runShell(shell, {});
}

} // namespace bench
