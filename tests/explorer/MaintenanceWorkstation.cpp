#include "MaintenanceWorkstation.h"

#include "explorer/FrmExplorer.h"
#include "explorer/ProgramIdentity.h"
#include "explorer/StartUp.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/Engine.h"
#include "platform/WindowsPath.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <stdexcept>

MaintenanceWorkstation::MaintenanceWorkstation()
{
    QDir().mkpath(hostPath(archiveFolder));
    QDir().mkpath(hostPath(programFolder));
    explorer::program::setFolder(programFolder);
    writeIni(QStringLiteral("TramexHardConfig.ini"), QStringLiteral("Generale"), QStringLiteral("TxtPathDatabase"),
             archiveFolder);
}

QString MaintenanceWorkstation::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

void MaintenanceWorkstation::makeArchive(const QString& name, const QStringList& keys)
{
    const QString path = archiveFolder + name + QStringLiteral(".mdb");
    store::CardArchiveSchema::createEmpty(path);
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(path);
    store::Recordset cards = database.OpenRecordset(QStringLiteral("Modelli"));
    workspace.BeginTrans();
    for (const QString& key : keys) {
        cards.AddNew();
        cards.Fields(QStringLiteral("PCMTV")).SetValue(key);
        cards.Fields(QStringLiteral("DescCollezione")).SetValue(QStringLiteral("Collezione ") + key);
        cards.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("Capo ") + key);
        cards.Update();
    }
    workspace.CommitTrans();
    cards.Close();
    database.Close();
    workspace.Close();
}

bool MaintenanceWorkstation::archiveExists(const QString& name)
{
    return QFile::exists(hostPath(archiveFolder + name + QStringLiteral(".mdb")));
}

QStringList MaintenanceWorkstation::cardsOf(const QString& name)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archiveFolder + name + QStringLiteral(".mdb"), false, true);
    store::Recordset cards = database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM Modelli ORDER BY PCMTV"));
    QStringList keys;
    for (; !cards.Eof(); cards.MoveNext())
        keys.append(cards.Fields(QStringLiteral("PCMTV")).Value().toString());
    cards.Close();
    database.Close();
    workspace.Close();
    return keys;
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
    const QString built = QDir(qEnvironmentVariable("TRAMEX_BIN_DIR")).filePath(builtName);
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
