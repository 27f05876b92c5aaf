#include "platform/Disk.h"

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "WorkstationFixture.h"
#include "platform/Workstation.h"

using namespace platform;

namespace {

class DiskTest : public WorkstationTest {};

TEST_F(DiskTest, CapacityMakesAFloppyOfTheDriveFolder)
{
    disk::FreeSpace space;
    ASSERT_TRUE(disk::freeSpace(QStringLiteral("A:\\"), space));
    EXPECT_EQ(space.bytesPerSector, 512u);
    EXPECT_EQ(space.sectorsPerCluster, 1u);
    EXPECT_EQ(space.totalClusters, 2847u);
    EXPECT_EQ(space.freeClusters, 2847u);

    makeHostFolder(onA(QStringLiteral("Backup")));
    writeHostFile(onA(QStringLiteral("Backup/Salvix.zip.1.spf")), QByteArray(1000, 'x'));
    writeHostFile(onA(QStringLiteral(".nascosto")), QByteArray(512, 'x'));
    ASSERT_TRUE(disk::freeSpace(QStringLiteral("a:/"), space));
    EXPECT_EQ(space.freeClusters, 2847u - 2 - 1);
    EXPECT_EQ(space.totalClusters, 2847u);

    writeHostFile(onA(QStringLiteral("grande.bin")), QByteArray(1457664, 'x'));
    ASSERT_TRUE(disk::freeSpace(QStringLiteral("A:\\"), space));
    EXPECT_EQ(space.freeClusters, 0u);
}

TEST_F(DiskTest, ReportsTheHostVolumeOfAnUncappedDrive)
{
    struct statvfs volume {};
    ASSERT_EQ(::statvfs(QFile::encodeName(onC(QString())).constData(), &volume), 0);
    disk::FreeSpace space;
    ASSERT_TRUE(disk::freeSpace(QStringLiteral("C:\\"), space));
    EXPECT_EQ(space.bytesPerSector, 512u);
    EXPECT_EQ(std::uint64_t(space.sectorsPerCluster) * 512, std::max<std::uint64_t>(volume.f_frsize, 512));
    EXPECT_EQ(space.totalClusters, std::min<std::uint64_t>(volume.f_blocks, UINT32_MAX));
    EXPECT_LE(space.freeClusters, space.totalClusters);
    EXPECT_GT(space.freeClusters, 0u);
}

TEST_F(DiskTest, AnswersOnlyForReadyDriveRoots)
{
    disk::FreeSpace space;
    EXPECT_FALSE(disk::freeSpace(QStringLiteral("B:\\"), space)); // no medium
    EXPECT_FALSE(disk::freeSpace(QStringLiteral("Q:\\"), space)); // unmapped
    EXPECT_FALSE(disk::freeSpace(QStringLiteral("C:"), space));
    EXPECT_FALSE(disk::freeSpace(QStringLiteral("C:\\WINDOWS\\"), space));
    EXPECT_FALSE(disk::freeSpace(QString(), space));
    EXPECT_TRUE(disk::freeSpace(QStringLiteral("z:\\"), space));
}

TEST_F(DiskTest, TellsDriveTypes)
{
    writeDrives("[Drive A]\r\nPath=drive_a\r\nType=removable\r\n[Drive B]\r\nPath=drive_b\r\nType=removable\r\n"
                "[Drive C]\r\nPath=drive_c\r\n[Drive D]\r\nPath=drive_d\r\nType=cdrom\r\n"
                "[Drive N]\r\nPath=drive_n\r\nType=remote\r\n[Drive R]\r\nPath=drive_r\r\nType=ramdisk\r\n"
                "[Drive M]\r\nPath=/nonexistent/folder\r\n");
    EXPECT_EQ(disk::driveType(QStringLiteral("A:\\")), DriveType::Removable);
    EXPECT_EQ(disk::driveType(QStringLiteral("b:\\")), DriveType::Removable); // even without medium
    EXPECT_EQ(disk::driveType(QStringLiteral("C:\\")), DriveType::Fixed);
    EXPECT_EQ(disk::driveType(QStringLiteral("C:")), DriveType::Fixed);
    EXPECT_EQ(disk::driveType(QStringLiteral("D:\\")), DriveType::CdRom);
    EXPECT_EQ(disk::driveType(QStringLiteral("N:\\")), DriveType::Remote);
    EXPECT_EQ(disk::driveType(QStringLiteral("R:\\")), DriveType::RamDisk);
    EXPECT_EQ(disk::driveType(QStringLiteral("Z:\\")), DriveType::Fixed);
    EXPECT_EQ(disk::driveType(QStringLiteral("M:\\")), DriveType::NoRootDir);
    EXPECT_EQ(disk::driveType(QStringLiteral("Q:\\")), DriveType::NoRootDir);
    EXPECT_EQ(disk::driveType(QStringLiteral("C:\\WINDOWS")), DriveType::NoRootDir);
}

TEST_F(DiskTest, GivesVolumeSerialsFromTheDrivesOrAStableHash)
{
    writeDrives("[Drive A]\r\nPath=drive_a\r\nType=removable\r\nSerial=1A2B-3C4D\r\nLabel=BACKUP\r\n"
                "[Drive B]\r\nPath=drive_b\r\nType=removable\r\n[Drive C]\r\nPath=drive_c\r\n"
                "[Drive D]\r\nPath=drive_c\r\n");
    std::uint32_t serial = 0;
    QString label;
    QString fileSystem;
    ASSERT_TRUE(disk::volumeInformation(QStringLiteral("A:\\"), serial, label, fileSystem));
    EXPECT_EQ(serial, 0x1A2B3C4Du);
    EXPECT_EQ(label, QStringLiteral("BACKUP"));
    EXPECT_EQ(fileSystem, QStringLiteral("FAT"));

    ASSERT_TRUE(disk::volumeInformation(QStringLiteral("C:\\"), serial, label, fileSystem));
    const std::uint32_t serialC = serial;
    EXPECT_EQ(label, QString());
    EXPECT_EQ(fileSystem, QStringLiteral("NTFS"));
    Workstation::use(root());
    ASSERT_TRUE(disk::volumeInformation(QStringLiteral("c:\\"), serial, label, fileSystem));
    EXPECT_EQ(serial, serialC);
    ASSERT_TRUE(disk::volumeInformation(QStringLiteral("D:\\"), serial, label, fileSystem));
    EXPECT_NE(serial, serialC);

    EXPECT_FALSE(disk::volumeInformation(QStringLiteral("B:\\"), serial, label, fileSystem));
    EXPECT_FALSE(disk::volumeInformation(QStringLiteral("Q:\\"), serial, label, fileSystem));
}

TEST_F(DiskTest, GivesTheSystemFoldersAndNamesOfTheWorkstation)
{
    writeDrives("[Drive C]\r\nPath=drive_c\r\n[Drive D]\r\nPath=drive_d\r\n"
                "[System]\r\nWindowsDir=D:\\WinNT\r\nTempDir=C:\\Temp\\Tramex\r\nUserName=mario\r\n"
                "ComputerName=PC-SARTORIA\r\n");
    const Workstation& workstation = Workstation::current();
    EXPECT_EQ(workstation.windowsDir(), QStringLiteral("D:\\WinNT"));
    EXPECT_TRUE(QFileInfo(QDir(root()).filePath(QStringLiteral("drive_d/WinNT"))).isDir());
    EXPECT_EQ(workstation.systemDir(), QStringLiteral("D:\\WinNT\\SYSTEM32"));
    EXPECT_EQ(workstation.tempDir(), QStringLiteral("C:\\Temp\\Tramex\\"));
    EXPECT_TRUE(QFileInfo(onC(QStringLiteral("Temp/Tramex"))).isDir());
    EXPECT_EQ(workstation.userName(), QStringLiteral("mario"));
    EXPECT_EQ(workstation.computerName(), QStringLiteral("PC-SARTORIA"));

    writeDrives("[Drive C]\r\nPath=drive_c\r\n");
    EXPECT_EQ(Workstation::current().userName(), QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    EXPECT_EQ(Workstation::current().computerName(), QSysInfo::machineHostName());
}

} // namespace
