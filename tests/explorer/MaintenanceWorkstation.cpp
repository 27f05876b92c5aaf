#include "tests/explorer/MaintenanceWorkstation.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QTest>

#include "common/ProgramIdentity.h"
#include "explorer/FrmExplorer.h"
#include "explorer/StartUp.h"

MaintenanceWorkstation::MaintenanceWorkstation()
{
    makeFolder(programFolder);
    common::program::setFolder(programFolder);
    writeIni(QStringLiteral("TramexHardConfig.ini"), QStringLiteral("Generale"), QStringLiteral("TxtPathDatabase"),
             archiveFolder);
}

void MaintenanceWorkstation::installRecorder(const QString& fileName)
{
    QFile script(hostPath(programFolder + u'\\' + fileName));
    if (!script.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the stand-in program");
    const QString calls = fileName + QStringLiteral(".calls");
    script.write(QStringLiteral("#!/bin/sh\n"
                                "calls=\"$(dirname \"$0\")/%1\"\n"
                                "printf 'begin %s\\n' \"$1\" >> \"$calls\"\n"
                                "sleep 0.1\n"
                                "printf 'end %s\\n' \"$1\" >> \"$calls\"\n")
                     .arg(calls)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList MaintenanceWorkstation::recordedCalls(const QString& fileName)
{
    QFile calls(hostPath(programFolder + u'\\' + fileName + QStringLiteral(".calls")));
    if (!calls.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(calls.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void MaintenanceWorkstation::installBuiltProgram(const QString& builtName, const QString& fileName)
{
    const QString built = builtProgram(builtName);
    if (!QFile::link(built, hostPath(programFolder + u'\\' + fileName)))
        throw std::runtime_error("cannot link the built program");
}

explorer::FrmExplorer* MaintenanceWorkstation::openExplorer()
{
    explorer::FrmExplorer* window = explorer::startUp();
    if (!QTest::qWaitForWindowExposed(window))
        throw std::runtime_error("the explorer's window did not show");
    return window;
}
