#include "tests/support/TestWorkstation.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "automation/Components.h"
#include "platform/Profile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace {

void require(bool condition, const QString& what)
{
    if (!condition)
        throw std::runtime_error(what.toStdString());
}

} // namespace

TestWorkstation::TestWorkstation(const QByteArray& drivesIni) : m_previousFolder(QDir::currentPath())
{
    require(m_root.isValid(), QStringLiteral("no temporary folder"));
    if (drivesIni.isEmpty())
        platform::Workstation::use(root());
    else
        writeDrives(drivesIni);
}

TestWorkstation::~TestWorkstation()
{
    QDir::setCurrent(m_previousFolder);
}

QString TestWorkstation::inRoot(const QString& relative) const
{
    return QDir(root()).filePath(relative);
}

void TestWorkstation::writeDrives(const QByteArray& drivesIni) const
{
    writeHostFile(inRoot(QStringLiteral("drives.ini")), drivesIni);
    platform::Workstation::use(root());
}

void TestWorkstation::insertDisk(QChar letter) const
{
    const auto drive = platform::Workstation::current().drive(letter);
    require(drive.has_value(), QStringLiteral("no drive ") + letter);
    makeHostFolder(drive->hostFolder);
}

void TestWorkstation::ejectDisk(QChar letter) const
{
    const auto drive = platform::Workstation::current().drive(letter);
    require(drive.has_value(), QStringLiteral("no drive ") + letter);
    require(QDir(drive->hostFolder).removeRecursively(), QStringLiteral("cannot eject ") + letter);
}

void TestWorkstation::enter(const QString& hostFolder) const
{
    require(QDir::setCurrent(hostFolder), QStringLiteral("cannot enter ") + hostFolder);
}

QString TestWorkstation::registryText() const
{
    QFile file(platform::Workstation::current().registryFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

QString TestWorkstation::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

void TestWorkstation::makeFolder(const QString& windowsPath)
{
    makeHostFolder(hostPath(windowsPath));
}

void TestWorkstation::writeFile(const QString& windowsPath, const QByteArray& bytes)
{
    writeHostFile(hostPath(windowsPath), bytes);
}

QByteArray TestWorkstation::readFile(const QString& windowsPath)
{
    return readHostFile(hostPath(windowsPath));
}

bool TestWorkstation::fileExists(const QString& windowsPath)
{
    return QFileInfo::exists(hostPath(windowsPath));
}

void TestWorkstation::makeHostFolder(const QString& hostPath)
{
    require(QDir().mkpath(hostPath), QStringLiteral("cannot make ") + hostPath);
}

void TestWorkstation::writeHostFile(const QString& hostPath, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            QStringLiteral("cannot write ") + hostPath);
}

QByteArray TestWorkstation::readHostFile(const QString& hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

void TestWorkstation::writeIni(const QString& file, const QString& section, const QString& key, const QString& value)
{
    // A null value would delete the key.
    const QString text = value.isNull() ? QStringLiteral("") : value;
    require(platform::profile::writePrivateProfileString(section, key, text, file),
            QStringLiteral("cannot write ") + file);
}

std::optional<QString> TestWorkstation::readIni(const QString& file, const QString& section, const QString& key)
{
    const QString absent = QStringLiteral("\x01absent");
    const QString value = platform::profile::readString(section, key, absent, file);
    if (value == absent)
        return std::nullopt;
    return value;
}

QString TestWorkstation::builtProgram(const QString& name)
{
    QString folder = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return QDir(folder).filePath(name);
}

void TestWorkstation::registerBuilt(const QString& library)
{
    const QString path = builtProgram(library);
    require(QFileInfo::exists(path), QStringLiteral("TRAMEX_BIN_DIR must hold ") + library);
    automation::registerLibrary(path);
}
