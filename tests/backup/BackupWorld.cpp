#include "tests/backup/BackupWorld.h"

#include <QDir>
#include <QFile>

#include "backup/FrmOne.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "platform/Workstation.h"

namespace {

const QByteArray drives = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                          "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=1457664\r\n"
                          "[Drive B]\r\nPath=drive_b\r\nType=removable\r\n"
                          "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                          "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=mario\r\nComputerName=PC-SARTORIA\r\n";

} // namespace

BackupWorld::BackupWorld() : TestWorkstation(drives), ScriptedSeams(QStringLiteral("Salvix"), &failQtTest)
{
    registerBuilt(QStringLiteral("Utilex4.dll"));
    registerBuilt(QStringLiteral("SalvixZipDouble.dll"));
    makeHostFolder(inRoot(QStringLiteral("drive_d")));
    makeHostFolder(inRoot(QStringLiteral("disks")));
    common::program::setName(QStringLiteral("Salvix"));
    common::program::setFolder(programFolder);
    makeFolder(archiveFolder);
    writeIni(QStringLiteral("TramexHardConfig.ini"), QStringLiteral("Generale"), QStringLiteral("TxtPathDatabase"),
             archiveFolder);
    insertDisk(QStringLiteral("vuoto"));
}

BackupWorld::~BackupWorld()
{
    common::releaseUtility();
}

void BackupWorld::makeArchive(const QString& name, qint64 bytes)
{
    QByteArray contents = name.toUtf8();
    contents = contents.repeated(bytes / contents.size() + 1).left(bytes);
    writeFile(archiveFolder + name, contents);
}

void BackupWorld::removeFile(const QString& windowsPath)
{
    QFile::remove(hostPath(windowsPath));
}

QString BackupWorld::temporaryFolder()
{
    return platform::Workstation::current().tempDir();
}

qint64 BackupWorld::sizeForArchiveOf(const QString& name, qint64 archiveBytes)
{
    // The double's container: its mark, a count, and per file its name (UTF-16 with a length), its
    // bytes (with a length) and a checksum.
    const QString entry = QStringLiteral("Tramex/Schede/") + name;
    return archiveBytes - 15 - 4 - (4 + 2 * entry.size()) - 4 - 8;
}

QString BackupWorld::diskFolder(const QString& label) const
{
    return inRoot(QStringLiteral("disks/") + label);
}

void BackupWorld::insertDisk(const QString& label)
{
    ejectDisk();
    const QString slot = inRoot(QStringLiteral("drive_a"));
    if (QDir(diskFolder(label)).exists())
        QDir().rename(diskFolder(label), slot);
    else
        makeHostFolder(slot);
    m_currentDisk = label;
}

void BackupWorld::ejectDisk()
{
    if (!m_currentDisk.isEmpty())
        QDir().rename(inRoot(QStringLiteral("drive_a")), diskFolder(m_currentDisk));
    m_currentDisk.clear();
}

QStringList BackupWorld::filesOnDisk(const QString& label) const
{
    const QString folder = label == m_currentDisk ? inRoot(QStringLiteral("drive_a")) : diskFolder(label);
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

std::unique_ptr<backup::FrmOne> BackupWorld::openWindow() const
{
    auto window = std::make_unique<backup::FrmOne>();
    window->show();
    return window;
}
