#include "tests/explorer/transfer/TransferWorkstation.h"

#include "automation/Components.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/Engine.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>
#include <utility>

namespace {

const char drivesIni[] = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                         "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                         "[Drive E]\r\nPath=drive_e\r\nType=removable\r\n"
                         "[Drive F]\r\nPath=drive_f\r\nType=fixed\r\n"
                         "[Drive G]\r\nPath=drive_g\r\nType=fixed\r\n"
                         "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                         "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=sarta\r\nComputerName=MODELLERIA\r\n";

// TRAMEX_BIN_DIR, else the folder of the test program, which the build puts beside the libraries.
QString binFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

void require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

} // namespace

void HookedPrompter::runAction()
{
    if (m_action)
        std::exchange(m_action, {})();
}

interaction::Answer HookedPrompter::message(const interaction::MessageBox& box)
{
    runAction();
    return m_inner.message(box);
}

QString HookedPrompter::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    runAction();
    return m_inner.input(prompt, title, defaultText);
}

TransferWorkstation::TransferWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure)
    : prompter(std::move(onFailure)), m_savedState(store::explorerState())
{
    require(m_root.isValid(), "no temporary folder");
    QFile drives(QDir(root()).filePath(QStringLiteral("drives.ini")));
    require(drives.open(QIODevice::WriteOnly) && drives.write(drivesIni) > 0, "cannot write drives.ini");
    drives.close();
    platform::Workstation::use(root());
    automation::registerLibrary(binFolder() + QStringLiteral("/Utilex4.dll"));
    m_utility = automation::createObjectAs<utilex::_UtilexClass>(QString::fromUtf16(utilex::UtilexProgId));

    makeFolder(QStringLiteral("C:\\Schede"));
    store::ExplorerState& state = store::explorerState();
    state = store::ExplorerState();
    state.IniFileName = QStringLiteral("Schedex.ini");
    state.DatabaseFolder = QStringLiteral("C:\\Schede\\");
    createArchive(QStringLiteral("PROVA"));
    state.CurrentArchive = QStringLiteral("PROVA");

    m_seams.setPrompter(m_hook).setKeyState(keys).setPendingEvents(events).setProgramTitle(QStringLiteral("Schedex"));
}

TransferWorkstation::~TransferWorkstation()
{
    prompter.verifyDone();
    store::explorerState() = m_savedState;
}

QString TransferWorkstation::builtProgram(const QString& name)
{
    return binFolder() + u'/' + name;
}

QString TransferWorkstation::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

void TransferWorkstation::makeFolder(const QString& windowsPath)
{
    require(QDir().mkpath(hostPath(windowsPath)), "cannot make a folder");
}

void TransferWorkstation::writeFile(const QString& windowsPath, const QByteArray& bytes)
{
    const QString host = hostPath(windowsPath);
    QDir().mkpath(QFileInfo(host).absolutePath());
    QFile file(host);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write a file");
}

QByteArray TransferWorkstation::readFile(const QString& windowsPath)
{
    QFile file(hostPath(windowsPath));
    require(file.open(QIODevice::ReadOnly), "cannot read a file");
    return file.readAll();
}

bool TransferWorkstation::fileExists(const QString& windowsPath)
{
    return QFileInfo::exists(hostPath(windowsPath));
}

QString TransferWorkstation::archivePath(const QString& name)
{
    return QStringLiteral("C:\\Schede\\") + name + QStringLiteral(".mdb");
}

QString TransferWorkstation::createArchive(const QString& name)
{
    store::CardArchiveSchema::createEmpty(archivePath(name));
    return archivePath(name);
}

void TransferWorkstation::addRow(const QString& archive, const QString& table, const Row& row)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive);
    store::Recordset rows = database.OpenRecordset(table);
    rows.AddNew();
    for (const auto& [column, value] : row)
        rows.Fields(column).SetValue(value);
    rows.Update();
}

QStringList TransferWorkstation::rows(const QString& archive, const QString& select, const QStringList& columns)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive);
    store::Recordset rows = database.OpenRecordset(select);
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext()) {
        QStringList values;
        for (const QString& column : columns) {
            const automation::Variant value = rows.Fields(column).Value();
            values.append(value.isNull() ? QStringLiteral("<Null>") : value.toString());
        }
        result.append(values.join(u'|'));
    }
    return result;
}
