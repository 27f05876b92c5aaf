#include "demo/DemoWorkstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/SharedIni.h"
#include "demo/SampleAccumarkAreas.h"
#include "demo/SampleArchives.h"
#include "demo/SampleUsers.h"
#include "platform/AtomicFile.h"
#include "platform/IniFile.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "setup/DriveMap.h"
#include "setup/WorkstationSetUp.h"

namespace demo {
namespace {

const QString archiveFolder = QStringLiteral("C:\\Tramex\\Schede\\");

// Existing values are the user's: only missing keys are written.
void writeMissing(const common::IniKey& key, const QString& value)
{
    const QString absent = QStringLiteral("\x01");
    if (platform::profile::readString(key.section, key.name, absent, key.file) == absent)
        platform::profile::writePrivateProfileString(key.section, key.name, value, key.file);
}

// Where the programs look for the configuration database: the installation's folder, unless
// the workstation's settings name another.
QString configFolder()
{
    const common::IniKey& key = common::sharedIni::ConfigFolder;
    const QString folder = platform::profile::readString(key.section, key.name, QString(), key.file);
    return folder.isEmpty() ? setup::WorkstationSetUp::InstallFolder : folder;
}

} // namespace

DemoWorkstation::DemoWorkstation(QString root, QString programFolder)
    : m_root(std::move(root)), m_programFolder(std::move(programFolder))
{
}

void DemoWorkstation::layOut()
{
    platform::Workstation::layOutDefault(m_root);
    mapDrives();
    platform::Workstation::use(m_root);
    writeSettings();
    setup::WorkstationSetUp(m_root, m_programFolder, m_programFolder, setup::WorkstationSetUp::ProgramEntries::Copies)
        .layOut();
    QDir().mkpath(platform::windowsPath::toHost(archiveFolder));
    SampleArchives::layOut(archiveFolder);
    SampleUsers::layOut(configFolder());
    installDumpUtility();
    SampleAccumarkAreas::layOut();
}

void DemoWorkstation::mapDrives()
{
    const platform::Workstation workstation(m_root);
    const QDir root(m_root);
    for (const char* folder : {"drive_a", "drive_d/userroot/storage"})
        root.mkpath(QString::fromLatin1(folder));
    setup::DriveMap drives(m_root);
    if (!workstation.drive(u'A'))
        drives.map({u'A', root.filePath(QStringLiteral("drive_a")), true, 1457664});
    if (!workstation.drive(u'D'))
        drives.map({u'D', root.filePath(QStringLiteral("drive_d")), false, std::nullopt});

    const QString drivesFile = root.filePath(QStringLiteral("drives.ini"));
    auto file = platform::IniFile::read(drivesFile);
    const QString system = QStringLiteral("System");
    bool changed = false;
    for (const auto& [key, value] : {std::pair(QStringLiteral("UserName"), QStringLiteral("sarta")),
                                     std::pair(QStringLiteral("ComputerName"), QStringLiteral("MODELLERIA-1"))}) {
        if (file && !file->document().value(system, key)) {
            file->document().setValue(system, key, value);
            changed = true;
        }
    }
    if (changed)
        platform::AtomicFile::write(drivesFile, file->bytes());
}

// The demo archives lie on C: and Lectra is the pattern CAD system; the rest are the defaults.
void DemoWorkstation::writeSettings()
{
    using namespace common::sharedIni;
    writeMissing(DatabaseFolder, archiveFolder);
    writeMissing(UsesCadSystem, QStringLiteral("1"));
    writeMissing(InstalledCadSystem.numbered(0), QStringLiteral("0"));
    writeMissing(InstalledCadSystem.numbered(1), QStringLiteral("0"));
    writeMissing(InstalledCadSystem.numbered(2), QStringLiteral("1"));
}

// Accumark's dump utility lives in its own folder; the stand-in installed with the programs is
// linked there, so that it still finds the libraries beside it.
void DemoWorkstation::installDumpUtility()
{
    const QString folder = platform::windowsPath::toHost(QStringLiteral("C:\\userroot\\prog\\util\\"));
    QDir().mkpath(folder);
    const QString link = QDir(folder).filePath(QStringLiteral("DMPMODEL.exe"));
    QFile::remove(link);
    if (!QFile::link(QStringLiteral("../../../Tramex/DMPMODEL"), link))
        throw std::runtime_error("cannot install " + link.toStdString());
}

} // namespace demo
