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

void UtilexTest::SetUp()
{
    m_station = std::make_unique<TestWorkstation>(QByteArray(drivesIni));
    makeHostFolder(hostOfC(QStringLiteral("WINDOWS/SYSTEM32")));
    makeHostFolder(m_station->inRoot(QStringLiteral("drive_a")));
    qputenv("TRAMEX_WORKSTATION", QFile::encodeName(root()));
    TestWorkstation::registerBuilt(QStringLiteral("Utilex4.dll"));
    TestWorkstation::registerBuilt(QStringLiteral("Utilex.dll"));
    m_utilex = automation::createObjectAs<utilex::_UtilexClass>(QString::fromUtf16(utilex::UtilexProgId));
    m_object = m_utilex;
}

void UtilexTest::TearDown()
{
    m_first.reset();
    m_object.reset();
    m_utilex.reset();
    m_station.reset();
}

automation::DispatchObject& UtilexTest::first()
{
    if (!m_first)
        m_first = automation::createObject(QStringLiteral("Utilex.UtilexClass"));
    return *m_first;
}

Variant UtilexTest::call(const char16_t* method, std::vector<Variant> arguments)
{
    return m_object->call(QString::fromUtf16(method), std::move(arguments));
}

Variant UtilexTest::callByRef(const char16_t* method, std::vector<Variant>& arguments)
{
    return m_object->callByRef(QString::fromUtf16(method), arguments);
}
