#include <cerrno>
#include <csignal>

#include <QDir>
#include <QFileInfo>

#include "UtilexFixture.h"
#include "platform/Process.h"
#include "platform/Workstation.h"

using automation::Variant;
using automation::VarType;

namespace {

Variant letters(std::initializer_list<const char16_t*> names)
{
    QList<Variant> elements;
    for (const char16_t* name : names)
        elements.append(Variant(QString::fromUtf16(name)));
    return Variant::array(elements, 1, VarType::String);
}

bool processIsGone(std::int64_t pid)
{
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

TEST_F(UtilexTest, GetOnlineDisksListsReadyDrivesFromC)
{
    // A is ready but never probed; D is not ready until its folder appears.
    EXPECT_EQ(m_utilex->GetOnlineDisks(), letters({u"C", u"Z"}));
    makeHostFolder(QDir(root()).filePath(QStringLiteral("drive_d")));
    const Variant online = call(u"GetOnlineDisks");
    EXPECT_EQ(online, letters({u"C", u"D", u"Z"}));
    EXPECT_EQ(online.lowerBound(), 1);
}

TEST_F(UtilexTest, GetDiskFreeSpaceAPassesTheQueryThrough)
{
    std::vector<Variant> byName{Variant(u"A:\\"), Variant::fromLong(-1), Variant::fromLong(-1), Variant::fromLong(-1),
                                Variant::fromLong(-1)};
    EXPECT_NE(callByRef(u"GetDiskFreeSpaceA", byName).toLong(), 0);
    EXPECT_EQ(byName[0], Variant(u"A:\\"));
    const qint64 clusterBytes = qint64(byName[1].toLong()) * byName[2].toLong();
    EXPECT_GT(clusterBytes, 0);
    EXPECT_GE(byName[4].toLong(), byName[3].toLong());
    EXPECT_LE(clusterBytes * byName[4].toLong(), 1457664); // the drive's capacity caps the size

    std::int32_t sectors = -1, bytes = -1, free = -1, total = -1;
    EXPECT_EQ(m_utilex->GetDiskFreeSpaceA(QStringLiteral("D:\\"), sectors, bytes, free, total), 0);
    EXPECT_EQ(sectors, -1);
    EXPECT_NE(m_utilex->GetDiskFreeSpaceA(QStringLiteral("C:\\"), sectors, bytes, free, total), 0);
    EXPECT_GT(sectors, 0);
}

TEST_F(UtilexTest, GetDiskSerialNumberIsSignedAndZeroWhenTheQueryFails)
{
    const Variant serial = Variant::fromLong(static_cast<std::int32_t>(0xC0FFEE01u));
    QString ready = QStringLiteral("C:\\");
    QString notReady = QStringLiteral("D:\\");
    EXPECT_EQ(Variant::fromLong(m_utilex->GetDiskSerialNumber(ready)), serial);
    EXPECT_EQ(call(u"GetDiskSerialNumber", {Variant(ready)}), serial);
    EXPECT_EQ(m_utilex->GetDiskSerialNumber(notReady), 0);
    EXPECT_EQ(call(u"GetDiskSerialNumber", {Variant(u"Q:\\")}), Variant::fromLong(0));
}

TEST_F(UtilexTest, WaitForShellWaitsForTheProcessAndReturnsForAnEndedOne)
{
    const std::int64_t pid = platform::process::start(QStringLiteral("Z:\\bin\\sleep 0.3"));
    std::int32_t id = std::int32_t(pid);
    m_utilex->WaitForShell(id);
    EXPECT_TRUE(processIsGone(pid));
    // Ended and gone: the call returns at once.
    m_utilex->WaitForShell(id);
    EXPECT_EQ(call(u"WaitForShell", {Variant::fromLong(id)}), Variant());
    EXPECT_EQ(call(u"WaitForShell", {Variant::fromLong(0)}), Variant());
    EXPECT_EQ(call(u"WaitForShell", {Variant::fromLong(-1)}), Variant());
}

TEST_F(UtilexTest, WaitRefusesANegativeTime)
{
    EXPECT_EQ(call(u"Wait", {Variant::fromLong(1)}), Variant());
    std::int32_t endless = -1;
    EXPECT_EQ(errorNumberOf([&] { m_utilex->Wait(endless); }), 5);
}

TEST_F(UtilexTest, ComputerAndUserNamesComeFromTheWorkstation)
{
    EXPECT_EQ(m_utilex->ComputerName(), QStringLiteral("PC-SARTORIA"));
    EXPECT_EQ(call(u"NomeUtente"), Variant(u"mario"));
}

TEST_F(UtilexTest, NamesThatDoNotFitTheBufferAreUnknown)
{
    const QByteArray tooLong(255, 'n');
    writeHostFile(QDir(root()).filePath(QStringLiteral("drives.ini")),
                  "[Drive C]\r\nPath=drive_c\r\n[System]\r\nUserName=" + tooLong + "\r\nComputerName=" + tooLong +
                      "\r\n");
    platform::Workstation::use(root());
    EXPECT_EQ(m_utilex->ComputerName(), QStringLiteral("Sconosciuto"));
    EXPECT_EQ(errorNumberOf([&] { call(u"NomeUtente"); }), 5);
}
