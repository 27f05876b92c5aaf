#include "tests/utilex/FormsWorkstation.h"

#include "automation/Components.h"
#include "ui/QtScreenBackend.h"
#include "ui/QtWindowSystem.h"
#include "utilex/FirstUtilexClass.h"
#include "utilex/UtilexClass.h"

FormsWorkstation::FormsWorkstation()
    : TestWorkstation(
          QByteArrayLiteral("[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n[System]\r\nWindowsDir=C:\\WINDOWS\r\n"))
{
    makeFolder(QStringLiteral("C:\\WINDOWS"));
    registerBuilt(QStringLiteral("Utilex4.dll"));
    registerBuilt(QStringLiteral("Utilex.dll"));
    m_utilex = automation::createObject(QString::fromUtf16(utilex::UtilexClassId));
    m_firstUtilex = automation::createObject(QString::fromUtf16(utilex::first::UtilexClassId));
    ui::QtScreenBackend::install();
    ui::QtWindowSystem::install();
}

FormsWorkstation::~FormsWorkstation()
{
    ui::QtWindowSystem::uninstall();
    ui::QtScreenBackend::uninstall();
    m_firstUtilex.reset();
    m_utilex.reset();
}

QByteArray FormsWorkstation::windowsFile(const QString& name)
{
    const QString path = QStringLiteral("C:\\WINDOWS\\") + name;
    return fileExists(path) ? readFile(path) : QByteArray();
}
