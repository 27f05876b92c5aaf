#include "setup/WorkstationSetUp.h"

#include <functional>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "automation/Components.h"
#include "common/SharedIni.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace setup {
namespace {

// Existing values are the user's: only missing keys are written.
void writeMissing(const common::IniKey& key, const QString& value)
{
    const QString absent = QStringLiteral("\x01");
    if (platform::profile::readString(key.section, key.name, absent, key.file) == absent)
        platform::profile::writePrivateProfileString(key.section, key.name, value, key.file);
}

const QStringList programs = {QStringLiteral("Schedex"),  QStringLiteral("Salvix"),  QStringLiteral("Permix"),
                              QStringLiteral("Dbrefit"),  QStringLiteral("Fattix"),  QStringLiteral("DMPMODEL"),
                              QStringLiteral("formhost"), QStringLiteral("GridDemo")};
const QStringList components = {QStringLiteral("Utilex4.dll"), QStringLiteral("Utilex.dll"),
                                QStringLiteral("Grivola.dll"), QStringLiteral("SalvixZip.dll")};

bool isLibrary(const QString& name)
{
    return name.startsWith(QLatin1String("libtramex_")) && name.endsWith(QLatin1String(".so"));
}

} // namespace

const QString WorkstationSetUp::InstallFolder = QStringLiteral("C:\\Tramex\\");

WorkstationSetUp::WorkstationSetUp(QString root, QString programFolder, QString componentFolder, ProgramEntries entries)
    : m_root(std::move(root)), m_programFolder(std::move(programFolder)), m_componentFolder(std::move(componentFolder)),
      m_entries(entries)
{
}

QString WorkstationSetUp::componentFolderBeside(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../lib/tramex"));
    return QFileInfo::exists(installed) ? installed : programFolder;
}

void WorkstationSetUp::layOut()
{
    platform::Workstation::use(m_root);
    writeSettings();
    installPrograms();
    registerComponents();
}

void WorkstationSetUp::writeSettings()
{
    using namespace common::sharedIni;
    // The archive share is mapped as D:.
    writeMissing(DatabaseFolder, QStringLiteral("D:\\"));
    writeMissing(ConfigFolder, InstallFolder);
    writeMissing(UsesCadSystem, QStringLiteral("0"));
    const QStringList captions = {QStringLiteral("Codice scheda"), QStringLiteral("Collezione"),
                                  QStringLiteral("Variante"),      QStringLiteral("Capo"),
                                  QStringLiteral("Taglia base"),   QStringLiteral("Gamma taglie")};
    for (int i = 0; i < captions.size(); ++i)
        writeMissing(CardCaption.numbered(i), captions[i]);
}

void WorkstationSetUp::installPrograms()
{
    install(m_programFolder, [](const QString& name) { return programs.contains(name); });
    if (m_entries == ProgramEntries::Copies) {
        install(m_componentFolder, [](const QString& name) { return components.contains(name) || isLibrary(name); });
    }
}

void WorkstationSetUp::install(const QString& folder, const std::function<bool(const QString&)>& wanted)
{
    const QString target = platform::windowsPath::toHost(InstallFolder);
    QDir().mkpath(target);
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files)) {
        if (!wanted(entry.fileName()))
            continue;
        const QString destination = QDir(target).filePath(entry.fileName());
        QFile::remove(destination);
        const bool installed = m_entries == ProgramEntries::Copies ? QFile::copy(entry.absoluteFilePath(), destination)
                                                                   : QFile::link(entry.absoluteFilePath(), destination);
        if (!installed)
            throw std::runtime_error("cannot install " + destination.toStdString());
    }
}

// Copied programs bring their components along; installed ones are registered where they lie.
void WorkstationSetUp::registerComponents()
{
    const QString folder =
        m_entries == ProgramEntries::Copies ? platform::windowsPath::toHost(InstallFolder) : m_componentFolder;
    for (const QString& name : components) {
        const QString library = QDir(folder).filePath(name);
        if (QFileInfo::exists(library))
            automation::registerLibrary(library);
    }
}

} // namespace setup
