#include "UtilexFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "automation/Components.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

using automation::Variant;

namespace {

const char drivesIni[] = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\nSerial=0xC0FFEE01\r\n"
                         "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=1457664\r\n"
                         "[Drive D]\r\nPath=drive_d\r\nType=removable\r\n"
                         "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                         "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=mario\r\nComputerName=PC-SARTORIA\r\n";

} // namespace

// TRAMEX_BIN_DIR, else the folder of this test program, which the build puts beside the libraries.
QString UtilexTest::binFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TRAMEX_BIN_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

QString UtilexTest::libraryFile()
{
    return QDir(binFolder()).filePath(QStringLiteral("Utilex4.dll"));
}

void UtilexTest::SetUp()
{
    ASSERT_TRUE(m_root.isValid());
    ASSERT_TRUE(QFileInfo::exists(libraryFile())) << "TRAMEX_BIN_DIR must hold Utilex4.dll";
    writeHostFile(QDir(root()).filePath(QStringLiteral("drives.ini")), drivesIni);
    makeHostFolder(hostOfC(QStringLiteral("WINDOWS/SYSTEM32")));
    makeHostFolder(QDir(root()).filePath(QStringLiteral("drive_a")));
    qputenv("TRAMEX_WORKSTATION", QFile::encodeName(root()));
    platform::Workstation::use(root());

    automation::registerLibrary(libraryFile());
    m_utilex = automation::createObjectAs<utilex::_UtilexClass>(QString::fromUtf16(utilex::UtilexProgId));
    m_object = m_utilex;
}

void UtilexTest::TearDown()
{
    m_object.reset();
    m_utilex.reset();
}

QString UtilexTest::hostOfC(const QString& relative) const
{
    return QDir(root()).filePath(QStringLiteral("drive_c/") + relative);
}

void UtilexTest::writeHostFile(const QString& hostPath, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void UtilexTest::makeHostFolder(const QString& hostPath) const
{
    ASSERT_TRUE(QDir().mkpath(hostPath));
}

Variant UtilexTest::call(const char16_t* method, std::vector<Variant> arguments)
{
    return m_object->call(QString::fromUtf16(method), std::move(arguments));
}

Variant UtilexTest::callByRef(const char16_t* method, std::vector<Variant>& arguments)
{
    return m_object->callByRef(QString::fromUtf16(method), arguments);
}
