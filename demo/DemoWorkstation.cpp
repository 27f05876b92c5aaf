#include "demo/DemoWorkstation.h"

#include "automation/Components.h"
#include "demo/SampleAccumarkAreas.h"
#include "demo/SampleArchives.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace demo {
namespace {

const QString installFolder = QStringLiteral("C:\\Tramex\\");
const QString archiveFolder = QStringLiteral("C:\\Tramex\\Schede\\");

// Existing values are the user's: only missing keys are written.
void writeMissing(const QString& file, const QString& section, const QString& key, const QString& value)
{
    const QString absent = QStringLiteral("\x01");
    if (platform::profile::readString(section, key, absent, file) == absent)
        platform::profile::writePrivateProfileString(section, key, value, file);
}

bool isSuiteFile(const QString& name)
{
    static const QStringList files = {QStringLiteral("Schedex"),    QStringLiteral("Salvix"),
                                      QStringLiteral("Permix"),     QStringLiteral("Dbrefit"),
                                      QStringLiteral("Fattix"),     QStringLiteral("DMPMODEL"),
                                      QStringLiteral("formhost"),   QStringLiteral("Utilex4.dll"),
                                      QStringLiteral("Utilex.dll"), QStringLiteral("Grivola.dll")};
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
    const QString hard = QStringLiteral("TramexHardConfig.ini");
    writeMissing(hard, QStringLiteral("Generale"), QStringLiteral("TxtPathDatabase"), archiveFolder);
    writeMissing(hard, QStringLiteral("Generale"), QStringLiteral("TxtPathTramexCFG"), installFolder);

    const QString cad = QStringLiteral("TramexCADConfig.ini");
    writeMissing(cad, QStringLiteral("Impostazioni"), QStringLiteral("Usa sistema CAD"), QStringLiteral("1"));
    writeMissing(cad, QStringLiteral("Impostazioni"), QStringLiteral("Sistema Installato_0"), QStringLiteral("0"));
    writeMissing(cad, QStringLiteral("Impostazioni"), QStringLiteral("Sistema Installato_1"), QStringLiteral("0"));
    writeMissing(cad, QStringLiteral("Impostazioni"), QStringLiteral("Sistema Installato_2"), QStringLiteral("1"));

    const QStringList captions = {QStringLiteral("Codice scheda"), QStringLiteral("Collezione"),
                                  QStringLiteral("Variante"),      QStringLiteral("Capo"),
                                  QStringLiteral("Taglia base"),   QStringLiteral("Gamma taglie")};
    for (int i = 0; i < captions.size(); ++i)
        writeMissing(QStringLiteral("Tramex.ini"), QStringLiteral("Scheda"),
                     QStringLiteral("Etichetta") + QString::number(i), captions[i]);
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
    const QString library = platform::windowsPath::toHost(installFolder + QStringLiteral("Utilex4.dll"));
    if (QFileInfo::exists(library))
        automation::registerLibrary(library);
}

} // namespace demo
