#include "FormsWorkstation.h"

#include "automation/Components.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "ui/QtScreenBackend.h"
#include "ui/QtWindowSystem.h"
#include "utilex/UtilexClass.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

FormsWorkstation::FormsWorkstation()
{
    if (!m_root.isValid())
        throw std::runtime_error("no temporary folder");
    QFile drives(QDir(m_root.path()).filePath(QStringLiteral("drives.ini")));
    if (!drives.open(QIODevice::WriteOnly) ||
        drives.write("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n[System]\r\nWindowsDir=C:\\WINDOWS\r\n") < 0)
        throw std::runtime_error("cannot write drives.ini");
    drives.close();
    platform::Workstation::layOutDefault(m_root.path());
    platform::Workstation::use(m_root.path());
    QDir().mkpath(host(QStringLiteral("C:\\WINDOWS")));

    const QString library = QDir(qEnvironmentVariable("TRAMEX_BIN_DIR")).filePath(QStringLiteral("Utilex4.dll"));
    automation::registerLibrary(library);
    m_utilex = automation::createObject(QString::fromUtf16(utilex::UtilexClassId));
    ui::QtScreenBackend::install();
    ui::QtWindowSystem::install();
}

FormsWorkstation::~FormsWorkstation()
{
    ui::QtWindowSystem::uninstall();
    ui::QtScreenBackend::uninstall();
    m_utilex.reset();
}

QString FormsWorkstation::host(const QString& windowsPath) const
{
    return platform::windowsPath::toHost(windowsPath);
}

void FormsWorkstation::writeFile(const QString& windowsPath, const QByteArray& bytes) const
{
    const QString path = host(windowsPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray FormsWorkstation::windowsFile(const QString& name) const
{
    QFile file(host(QStringLiteral("C:\\WINDOWS\\") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
