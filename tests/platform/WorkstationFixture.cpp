#include "WorkstationFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Workstation.h"

namespace {

const char defaultDrives[] =
    "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
    "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=1457664\r\n"
    "[Drive B]\r\nPath=drive_b\r\nType=removable\r\n"
    "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
    "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=mario\r\nComputerName=PC-SARTORIA\r\n";

} // namespace

void WorkstationTest::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    m_previousFolder = QDir::currentPath();
    makeHostFolder(QDir(root()).filePath(QStringLiteral("drive_a")));
    writeDrives(defaultDrives);
}

void WorkstationTest::TearDown()
{
    QDir::setCurrent(m_previousFolder);
}

QString WorkstationTest::onC(const QString& relative) const
{
    return QDir(root()).filePath(QStringLiteral("drive_c/") + relative);
}

QString WorkstationTest::onA(const QString& relative) const
{
    return QDir(root()).filePath(QStringLiteral("drive_a/") + relative);
}

void WorkstationTest::writeDrives(const QByteArray& drivesIni)
{
    writeHostFile(QDir(root()).filePath(QStringLiteral("drives.ini")), drivesIni);
    platform::Workstation::use(root());
}

void WorkstationTest::writeHostFile(const QString& hostPath, const QByteArray& bytes)
{
    QFile file(hostPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << hostPath.toStdString();
    file.write(bytes);
}

QByteArray WorkstationTest::readHostFile(const QString& hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WorkstationTest::makeHostFolder(const QString& hostPath)
{
    ASSERT_TRUE(QDir().mkpath(hostPath)) << hostPath.toStdString();
}

void WorkstationTest::enter(const QString& hostFolder)
{
    ASSERT_TRUE(QDir::setCurrent(hostFolder)) << hostFolder.toStdString();
}

QString WorkstationTest::helper(const QString& name)
{
    // The helpers are built beside the test program.
    QString folder = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return QDir(folder).filePath(name);
}
