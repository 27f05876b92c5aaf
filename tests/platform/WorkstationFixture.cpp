#include "WorkstationFixture.h"

namespace {

const char defaultDrives[] = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                             "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=1457664\r\n"
                             "[Drive B]\r\nPath=drive_b\r\nType=removable\r\n"
                             "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                             "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=mario\r\nComputerName=PC-SARTORIA\r\n";

} // namespace

void WorkstationTest::SetUp()
{
    m_station = std::make_unique<TestWorkstation>(QByteArray(defaultDrives));
    makeHostFolder(m_station->inRoot(QStringLiteral("drive_a")));
}
