#include "platform/Workstation.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include "platform/AtomicFile.h"
#include "platform/Codepage.h"
#include "platform/ErrorNumber.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace platform {

namespace {

std::mutex processWorkstationMutex;
std::unique_ptr<Workstation> processWorkstation;

const QString drivesFileName = QStringLiteral("drives.ini");

const char* const defaultDrives = "[Drive C]\r\n"
                                  "Path=drive_c\r\n"
                                  "Type=fixed\r\n"
                                  "\r\n"
                                  "[Drive Z]\r\n"
                                  "Path=/\r\n"
                                  "Type=fixed\r\n"
                                  "\r\n"
                                  "[System]\r\n"
                                  "WindowsDir=C:\\WINDOWS\r\n"
                                  "TempDir=C:\\WINDOWS\\TEMP\\\r\n";

DriveType driveTypeNamed(const QString& name)
{
    const QString type = name.toLower();
    if (type.isEmpty() || type == u"fixed")
        return DriveType::Fixed;
    if (type == u"removable")
        return DriveType::Removable;
    if (type == u"cdrom")
        return DriveType::CdRom;
    if (type == u"remote")
        return DriveType::Remote;
    if (type == u"ramdisk")
        return DriveType::RamDisk;
    return DriveType::Unknown;
}

// "0x1A2B3C4D", "1A2B-3C4D" and "1A2B3C4D" are hexadecimal, plain digits decimal.
std::optional<quint32> serialFrom(QString text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    quint32 serial = 0;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        serial = text.sliced(2).toUInt(&ok, 16);
    } else if (text.contains(u'-')) {
        serial = text.remove(u'-').toUInt(&ok, 16);
    } else {
        serial = text.toUInt(&ok, 10);
        if (!ok)
            serial = text.toUInt(&ok, 16);
    }
    return ok ? std::optional<quint32>(serial) : std::nullopt;
}

std::optional<qint64> capacityFrom(const QString& text)
{
    bool ok = false;
    const qint64 capacity = text.toLongLong(&ok);
    return ok && capacity >= 0 ? std::optional<qint64>(capacity) : std::nullopt;
}

QString hostUserName()
{
    char buffer[4096];
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 3 && (folder.endsWith(u'\\') || folder.endsWith(u'/')))
        folder.chop(1);
    return folder;
}

bool isMediaDrive(DriveType type)
{
    return type == DriveType::Removable || type == DriveType::CdRom;
}

} // namespace

Workstation& Workstation::current()
{
    const std::lock_guard lock(processWorkstationMutex);
    if (!processWorkstation) {
        const QString root = defaultRoot();
        try {
            layOutDefault(root);
        } catch (const RuntimeError&) {
            // A root that cannot be laid out still serves the drives it names.
        }
        processWorkstation = std::make_unique<Workstation>(root);
    }
    return *processWorkstation;
}

void Workstation::use(const QString& rootFolder)
{
    layOutDefault(rootFolder);
    auto workstation = std::make_unique<Workstation>(rootFolder);
    const std::lock_guard lock(processWorkstationMutex);
    processWorkstation = std::move(workstation);
}

QString Workstation::defaultRoot()
{
    const QString chosen = qEnvironmentVariable("TRAMEX_WORKSTATION");
    if (!chosen.isEmpty())
        return QDir(chosen).absolutePath();
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/tramex/workstation"));
}

void Workstation::layOutDefault(const QString& rootFolder)
{
    if (!QDir().mkpath(rootFolder))
        throw RuntimeError(PathFileAccessError);
    const QString drivesFile = QDir(rootFolder).filePath(drivesFileName);
    if (!QFileInfo::exists(drivesFile))
        AtomicFile::write(drivesFile, QByteArray(defaultDrives), AtomicFile::DriveLimit::Unchecked);
    const Workstation workstation(rootFolder);
    const QString root = QDir(workstation.root()).absolutePath() + u'/';
    for (const Drive& drive : workstation.drives()) {
        if (!isMediaDrive(drive.type) && drive.hostFolder.startsWith(root))
            QDir().mkpath(drive.hostFolder);
    }
    try {
        QDir().mkpath(windowsPath::toHost(workstation, workstation.windowsDir()));
    } catch (const RuntimeError&) {
        // The Windows folder lies on a drive that is missing or not ready: nothing to create.
    }
}

Workstation::Workstation(const QString& rootFolder) : m_root(QDir(rootFolder).absolutePath())
{
    load();
}

void Workstation::load()
{
    const auto file = IniFile::read(QDir(m_root).filePath(drivesFileName));
    const IniDocument document = file ? file->document() : IniDocument();
    const auto setting = [&document](const QString& section, const QString& key) {
        return document.value(section, key).value_or(QString());
    };

    static const QRegularExpression driveSection(QStringLiteral("^Drive\\s+([A-Z])$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    for (const QString& section : document.sectionNames()) {
        const auto match = driveSection.match(section);
        if (!match.hasMatch())
            continue;
        Drive drive;
        drive.letter = match.captured(1).front().toUpper();
        if (this->drive(drive.letter))
            continue; // the first section of a letter wins
        const QString path = setting(section, QStringLiteral("Path"));
        if (path.isEmpty())
            continue;
        drive.hostFolder = QDir::cleanPath(QDir(m_root).absoluteFilePath(path));
        drive.type = driveTypeNamed(setting(section, QStringLiteral("Type")));
        drive.capacity = capacityFrom(setting(section, QStringLiteral("Capacity")));
        drive.serial = serialFrom(setting(section, QStringLiteral("Serial")));
        drive.label = setting(section, QStringLiteral("Label"));
        m_drives.append(drive);
    }
    if (!drive(u'Z')) {
        Drive hostRoot;
        hostRoot.letter = u'Z';
        hostRoot.hostFolder = QStringLiteral("/");
        m_drives.append(hostRoot);
    }
    std::sort(m_drives.begin(), m_drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });

    const QString system = QStringLiteral("System");
    m_windowsDir = withoutTrailingSeparator(
        document.value(system, QStringLiteral("WindowsDir")).value_or(QStringLiteral("C:\\WINDOWS")));
    m_tempDir = document.value(system, QStringLiteral("TempDir")).value_or(QStringLiteral("C:\\WINDOWS\\TEMP\\"));
    if (!m_tempDir.endsWith(u'\\'))
        m_tempDir += u'\\';
    m_userName = document.value(system, QStringLiteral("UserName")).value_or(hostUserName());
    m_computerName = document.value(system, QStringLiteral("ComputerName")).value_or(QSysInfo::machineHostName());
}

QString Workstation::registryFile() const
{
    return QDir(m_root).filePath(QStringLiteral("registry.ini"));
}

std::optional<Drive> Workstation::drive(QChar letter) const
{
    const QChar upper = letter.toUpper();
    for (const Drive& drive : m_drives) {
        if (drive.letter == upper)
            return drive;
    }
    return std::nullopt;
}

bool Workstation::isReady(QChar letter) const
{
    const auto found = drive(letter);
    if (!found)
        return false;
    return !isMediaDrive(found->type) || QFileInfo(found->hostFolder).isDir();
}

QString Workstation::windowsDir() const
{
    return m_windowsDir;
}

QString Workstation::systemDir() const
{
    return m_windowsDir + (m_windowsDir.endsWith(u'\\') ? QStringLiteral("SYSTEM32") : QStringLiteral("\\SYSTEM32"));
}

QString Workstation::tempDir() const
{
    try {
        QDir().mkpath(windowsPath::toHost(*this, m_tempDir));
    } catch (const RuntimeError&) {
        // A temporary folder on a drive that is missing or not ready stays as configured.
    }
    return m_tempDir;
}

QString Workstation::userName() const
{
    return m_userName;
}

QString Workstation::computerName() const
{
    return m_computerName;
}

} // namespace platform
