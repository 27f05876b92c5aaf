#include "UiWorkstation.h"

#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

UiWorkstation::UiWorkstation()
{
    if (!m_root.isValid())
        throw std::runtime_error("no temporary folder");
    QFile drives(QDir(m_root.path()).filePath(QStringLiteral("drives.ini")));
    if (!drives.open(QIODevice::WriteOnly) || drives.write("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                                                           "[Drive A]\r\nPath=drive_a\r\nType=removable\r\n"
                                                           "[System]\r\nWindowsDir=C:\\WINDOWS\r\n") < 0)
        throw std::runtime_error("cannot write drives.ini");
    drives.close();
    platform::Workstation::layOutDefault(m_root.path());
    platform::Workstation::use(m_root.path());
}

QString UiWorkstation::host(const QString& windowsPath) const
{
    return platform::windowsPath::toHost(windowsPath);
}

void UiWorkstation::writeFile(const QString& windowsPath, const QByteArray& bytes) const
{
    const QString path = host(windowsPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void UiWorkstation::insertDisk(QChar letter) const
{
    const auto drive = platform::Workstation::current().drive(letter);
    if (!drive || !QDir().mkpath(drive->hostFolder))
        throw std::runtime_error("no such drive");
}
