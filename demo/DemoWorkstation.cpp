#include "demo/DemoWorkstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "automation/Components.h"
#include "common/SharedIni.h"
#include "demo/SampleAccumarkAreas.h"
#include "demo/SampleArchives.h"
#include "demo/SampleUsers.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace demo {
namespace {

const QString installFolder = QStringLiteral("C:\\Tramex\\");
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
    return folder.isEmpty() ? installFolder : folder;
}

bool isSuiteFile(const QString& name)
{
    static const QStringList files = {
        QStringLiteral("Schedex"),    QStringLiteral("Salvix"),      QStringLiteral("Permix"),
        QStringLiteral("Dbrefit"),    QStringLiteral("Fattix"),      QStringLiteral("DMPMODEL"),
        QStringLiteral("formhost"),   QStringLiteral("GridDemo"),    QStringLiteral("Utilex4.dll"),
        QStringLiteral("Utilex.dll"), QStringLiteral("Grivola.dll"), QStringLiteral("SalvixZip.dll")};
    return files.contains(name) ||
           (name.startsWith(QLatin1String("libtramex_")) && name.endsWith(QLatin1String(".so")));
}

} // namespace

DemoWorkstation::DemoWorkstation(QString root, QString programFolder)
    : m_root(std::move(root)), m_programFolder(std::move(programFolder))
{
}

void DemoWorkstation::layOut()
{
    writeDrives();
    platform::Workstation::use(m_root);
    writeSettings();
    SampleArchives::layOut(archiveFolder);
    SampleUsers::layOut(configFolder());
    installPrograms();
    installDumpUtility();
    SampleAccumarkAreas::layOut();
    registerComponents();
}

void DemoWorkstation::writeDrives()
{
    QDir().mkpath(m_root);
    const QString drives = QDir(m_root).filePath(QStringLiteral("drives.ini"));
    if (!QFileInfo::exists(drives)) {
        QFile file(drives);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + drives.toStdString());
        file.write("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                   "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=1457664\r\n"
                   "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                   "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                   "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=sarta\r\nComputerName=MODELLERIA-1\r\n");
    }
    for (const char* folder : {"drive_c/WINDOWS", "drive_c/Tramex/Schede", "drive_a", "drive_d/userroot/storage"})
        QDir(m_root).mkpath(QString::fromLatin1(folder));
}

void DemoWorkstation::writeSettings()
{
    using namespace common::sharedIni;
    writeMissing(DatabaseFolder, archiveFolder);
    writeMissing(ConfigFolder, installFolder);

    // Lectra.
    writeMissing(UsesCadSystem, QStringLiteral("1"));
    writeMissing(InstalledCadSystem.numbered(0), QStringLiteral("0"));
    writeMissing(InstalledCadSystem.numbered(1), QStringLiteral("0"));
    writeMissing(InstalledCadSystem.numbered(2), QStringLiteral("1"));

    const QStringList captions = {QStringLiteral("Codice scheda"), QStringLiteral("Collezione"),
                                  QStringLiteral("Variante"),      QStringLiteral("Capo"),
                                  QStringLiteral("Taglia base"),   QStringLiteral("Gamma taglie")};
    for (int i = 0; i < captions.size(); ++i)
        writeMissing(CardCaption.numbered(i), captions[i]);
}

void DemoWorkstation::installPrograms()
{
    const QString target = platform::windowsPath::toHost(installFolder);
    QDir().mkpath(target);
    const QDir source(m_programFolder);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files)) {
        if (!isSuiteFile(entry.fileName()))
            continue;
        const QString destination = QDir(target).filePath(entry.fileName());
        QFile::remove(destination);
        if (!QFile::copy(entry.absoluteFilePath(), destination))
            throw std::runtime_error("cannot install " + destination.toStdString());
    }
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

void DemoWorkstation::registerComponents()
{
    for (const QString& name : {QStringLiteral("Utilex4.dll"), QStringLiteral("Utilex.dll"),
                                QStringLiteral("Grivola.dll"), QStringLiteral("SalvixZip.dll")}) {
        const QString library = platform::windowsPath::toHost(installFolder + name);
        if (QFileInfo::exists(library))
            automation::registerLibrary(library);
    }
}

} // namespace demo
