#include "platform/WindowsPath.h"

#include <functional>

#include <QDir>
#include <QFile>

#include "WorkstationFixture.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

using namespace platform;

namespace {

class WindowsPathTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        makeHostFolder(onC(QStringLiteral("Tramex/SCHEDE")));
        writeHostFile(onC(QStringLiteral("Tramex/SCHEDE/Camicie.MDB")));
        makeHostFolder(onC(QStringLiteral("bin")));
        writeHostFile(onC(QStringLiteral("bin/Dbrefit")));
        writeHostFile(onC(QStringLiteral("bin/fattix.exe")));
    }
};

struct Mapping {
    const char* windows;
    const char* host; // below the workstation root
};

void PrintTo(const Mapping& value, std::ostream* out)
{
    *out << value.host;
}

class ToHostTest : public WindowsPathTest, public ::testing::WithParamInterface<Mapping> {};

TEST_P(ToHostTest, MapsByDriveMatchingExistingNamesIgnoringCase)
{
    enter(onC(QStringLiteral("Tramex")));
    EXPECT_EQ(windowsPath::toHost(QString::fromUtf8(GetParam().windows)),
              QDir(root()).filePath(QString::fromUtf8(GetParam().host)));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ToHostTest,
    ::testing::Values(Mapping{"C:\\TRAMEX\\schede\\camicie.mdb", "drive_c/Tramex/SCHEDE/Camicie.MDB"},
                      Mapping{"c:/tramex/Schede/", "drive_c/Tramex/SCHEDE"}, Mapping{"C:\\", "drive_c"},
                      Mapping{"C:\\tramex\\Nuova\\Cartella\\X.txt", "drive_c/Tramex/Nuova/Cartella/X.txt"},
                      Mapping{"C:\\tramex\\.\\nuova\\..\\schede\\\\CAMICIE.mdb", "drive_c/Tramex/SCHEDE/Camicie.MDB"},
                      Mapping{"C:\\..\\..\\tramex", "drive_c/Tramex"},
                      Mapping{"C:\\tramex\\schede\\camicie.mdb. ", "drive_c/Tramex/SCHEDE/Camicie.MDB"},
                      Mapping{"schede\\camicie.mdb", "drive_c/Tramex/SCHEDE/Camicie.MDB"},
                      Mapping{"..\\bin\\dbrefit", "drive_c/bin/Dbrefit"}, Mapping{"\\BIN", "drive_c/bin"},
                      Mapping{"c:schede", "drive_c/Tramex/SCHEDE"}, Mapping{"a:\\Nuovo", "drive_a/Nuovo"}),
    [](const ::testing::TestParamInfo<Mapping>& info) { return "path" + std::to_string(info.index); });

TEST_F(WindowsPathTest, PrefersTheExactSpellingWhenNamesDifferOnlyInCase)
{
    writeHostFile(onC(QStringLiteral("bin/FATTIX.EXE")));
    EXPECT_EQ(windowsPath::toHost(QStringLiteral("C:\\bin\\fattix.exe")), onC(QStringLiteral("bin/fattix.exe")));
    EXPECT_EQ(windowsPath::toHost(QStringLiteral("C:\\bin\\FATTIX.EXE")), onC(QStringLiteral("bin/FATTIX.EXE")));
}

class FolderChangeTest;

// A change to a folder after a name missing from it was looked up, and what a look-up finds then.
struct FolderChange {
    const char* name;
    std::function<void(FolderChangeTest&)> change;
    const char* windows;
    const char* host; // below drive_c
};

void PrintTo(const FolderChange& value, std::ostream* out)
{
    *out << value.name;
}

class FolderChangeTest : public WindowsPathTest, public ::testing::WithParamInterface<FolderChange> {
public:
    QString schede(const char* name) const { return onC(QStringLiteral("Tramex/SCHEDE/") + QString::fromUtf8(name)); }
    void create(const char* name) { writeHostFile(schede(name)); }
    void remove(const char* name) { ASSERT_TRUE(QFile::remove(schede(name))); }
    void rename(const char* from, const char* to) { ASSERT_TRUE(QFile::rename(schede(from), schede(to))); }
    void replaceFolder()
    {
        ASSERT_TRUE(QDir(onC(QStringLiteral("Tramex"))).rename(QStringLiteral("SCHEDE"), QStringLiteral("VECCHIE")));
        makeHostFolder(schede(""));
    }
};

TEST_P(FolderChangeTest, FindsWhatTheFolderHoldsNow)
{
    ASSERT_EQ(windowsPath::toHost(QStringLiteral("C:\\tramex\\schede\\nuovo.mdb")), schede("nuovo.mdb"));
    GetParam().change(*this);
    EXPECT_EQ(windowsPath::toHost(QString::fromUtf8(GetParam().windows)), onC(QString::fromUtf8(GetParam().host)));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FolderChangeTest,
    ::testing::Values(FolderChange{"created", [](FolderChangeTest& test) { test.create("Nuovo.MDB"); },
                                   "C:\\tramex\\schede\\NUOVO.mdb", "Tramex/SCHEDE/Nuovo.MDB"},
                      FolderChange{"removed", [](FolderChangeTest& test) { test.remove("Camicie.MDB"); },
                                   "C:\\tramex\\schede\\CAMICIE.mdb", "Tramex/SCHEDE/CAMICIE.mdb"},
                      FolderChange{"renamed", [](FolderChangeTest& test) { test.rename("Camicie.MDB", "Gonne.mdb"); },
                                   "C:\\tramex\\schede\\GONNE.MDB", "Tramex/SCHEDE/Gonne.mdb"},
                      FolderChange{"anotherSpelling", [](FolderChangeTest& test) { test.create("CAMICIE.MDB"); },
                                   "C:\\tramex\\schede\\camicie.mdb", "Tramex/SCHEDE/CAMICIE.MDB"},
                      FolderChange{"folderReplaced",
                                   [](FolderChangeTest& test) {
                                       test.replaceFolder();
                                       test.create("nuovo.MDB");
                                   },
                                   "C:\\tramex\\schede\\NUOVO.MDB", "Tramex/SCHEDE/nuovo.MDB"}),
    [](const ::testing::TestParamInfo<FolderChange>& info) { return std::string(info.param.name); });

TEST_F(WindowsPathTest, RefusesBadNamesUnmappedDrivesAndDrivesWithoutMedium)
{
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("\\\\server\\share\\a.ini"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("//server/share"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("C:\\a|b"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("C:\\*.mdb"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("1:\\x"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("Q:\\x"))), 68);
    EXPECT_EQ(RUNTIME_ERROR_OF(windowsPath::toHost(QStringLiteral("B:\\"))), 71);
    EXPECT_FALSE(Workstation::current().isReady(u'b'));
    makeHostFolder(QDir(root()).filePath(QStringLiteral("drive_b")));
    EXPECT_TRUE(Workstation::current().isReady(u'B'));
    EXPECT_EQ(windowsPath::toHost(QStringLiteral("B:\\")), QDir(root()).filePath(QStringLiteral("drive_b")));
}

TEST_F(WindowsPathTest, MapsHostPathsBackByTheLongestDriveFolder)
{
    writeDrives("[Drive C]\r\nPath=drive_c\r\n[Drive D]\r\nPath=drive_c/Tramex\r\n[Drive E]\r\nPath=" +
                QFile::encodeName(onC(QStringLiteral("bin"))) + "\r\n");
    EXPECT_EQ(windowsPath::fromHost(onC(QStringLiteral("Tramex/SCHEDE/Camicie.MDB"))),
              QStringLiteral("D:\\SCHEDE\\Camicie.MDB"));
    EXPECT_EQ(windowsPath::fromHost(onC(QStringLiteral("bin"))), QStringLiteral("E:\\"));
    EXPECT_EQ(windowsPath::fromHost(onC(QStringLiteral("Tramexx"))), QStringLiteral("C:\\Tramexx"));
    EXPECT_EQ(windowsPath::fromHost(QStringLiteral("/usr/lib")), QStringLiteral("Z:\\usr\\lib"));
    enter(onC(QStringLiteral("Tramex/SCHEDE")));
    EXPECT_EQ(windowsPath::currentFolder(), QStringLiteral("D:\\SCHEDE"));
    EXPECT_EQ(windowsPath::fromHost(QStringLiteral("nuovo.mdb")), QStringLiteral("D:\\SCHEDE\\nuovo.mdb"));
}

TEST_F(WindowsPathTest, RoundTripsThroughTheHostRootDrive)
{
    const QString windows = windowsPath::fromHost(onC(QStringLiteral("Tramex")));
    ASSERT_EQ(windows, QStringLiteral("C:\\Tramex"));
    writeDrives("[Drive C]\r\nPath=drive_c\r\n");
    const QString viaZ = windowsPath::fromHost(root() + QStringLiteral("/drive_c/Tramex/SCHEDE/Camicie.MDB"));
    ASSERT_EQ(viaZ, QStringLiteral("C:\\Tramex\\SCHEDE\\Camicie.MDB"));
    const QString outside = windowsPath::fromHost(root() + QStringLiteral("/drives.ini"));
    ASSERT_TRUE(outside.startsWith(QStringLiteral("Z:\\")));
    EXPECT_EQ(windowsPath::toHost(outside.toUpper()), root() + QStringLiteral("/drives.ini"));
}

TEST_F(WindowsPathTest, ResolvesProgramsWithOrWithoutTheirExe)
{
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("C:\\BIN\\DBREFIT.EXE")), onC(QStringLiteral("bin/Dbrefit")));
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("c:\\bin\\Fattix")), onC(QStringLiteral("bin/fattix.exe")));
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("c:\\bin\\Fattix.EXE")),
              onC(QStringLiteral("bin/fattix.exe")));
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("C:\\bin\\Missing.exe")), QString());
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("C:\\bin")), QString());
    EXPECT_EQ(windowsPath::resolveProgram(QStringLiteral("B:\\setup.exe")), QString());
}

TEST_F(WindowsPathTest, SplitsFolderAndName)
{
    EXPECT_EQ(windowsPath::folderPart(QStringLiteral("C:\\a\\b.mdb")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(windowsPath::namePart(QStringLiteral("C:\\a\\b.mdb")), QStringLiteral("b.mdb"));
    EXPECT_EQ(windowsPath::folderPart(QStringLiteral("C:b.mdb")), QStringLiteral("C:"));
    EXPECT_EQ(windowsPath::namePart(QStringLiteral("a/")), QString());
    EXPECT_EQ(windowsPath::folderPart(QStringLiteral("b.mdb")), QString());
    EXPECT_TRUE(windowsPath::isAbsolute(QStringLiteral("c:/x")));
    EXPECT_TRUE(windowsPath::isAbsolute(QStringLiteral("\\x")));
    EXPECT_FALSE(windowsPath::isAbsolute(QStringLiteral("c:x")));
}

TEST_F(WindowsPathTest, ReadsDrivesAndSystemSettings)
{
    writeDrives("[drive c]\r\nPath=drive_c\r\nType=Fixed\r\nSerial=1A2B-3C4D\r\nLabel=SISTEMA\r\n"
                "[Drive D]\r\nPath=/srv/cd\r\nType=cdrom\r\nSerial=0x00ff\r\n"
                "[Drive E]\r\nPath=drive_e\r\nType=ramdisk\r\nSerial=4096\r\nCapacity=2048\r\n"
                "[Drive C]\r\nPath=elsewhere\r\n"
                "[Drive F]\r\nType=fixed\r\n"
                "[System]\r\nWindowsDir=C:\\WINNT\\\r\nTempDir=D:\\TMP\r\n");
    const Workstation& workstation = Workstation::current();
    ASSERT_EQ(workstation.drives().size(), 4); // C, D, E and the host root Z
    const Drive c = *workstation.drive(u'c');
    EXPECT_EQ(c.hostFolder, QDir(root()).filePath(QStringLiteral("drive_c")));
    EXPECT_EQ(c.serial, 0x1A2B3C4Du);
    EXPECT_EQ(c.label, QStringLiteral("SISTEMA"));
    const Drive d = *workstation.drive(u'D');
    EXPECT_EQ(d.hostFolder, QStringLiteral("/srv/cd"));
    EXPECT_EQ(d.type, DriveType::CdRom);
    EXPECT_EQ(d.serial, 0xFFu);
    const Drive e = *workstation.drive(u'E');
    EXPECT_EQ(e.type, DriveType::RamDisk);
    EXPECT_EQ(e.serial, 4096u);
    EXPECT_EQ(e.capacity, 2048);
    EXPECT_FALSE(workstation.drive(u'F'));
    EXPECT_EQ(workstation.drive(u'Z')->hostFolder, QStringLiteral("/"));
    EXPECT_EQ(workstation.windowsDir(), QStringLiteral("C:\\WINNT"));
    EXPECT_EQ(workstation.systemDir(), QStringLiteral("C:\\WINNT\\SYSTEM32"));
    EXPECT_EQ(workstation.tempDir(), QStringLiteral("D:\\TMP\\"));
}

TEST(WorkstationLayout, WritesTheDefaultDrivesOnlyWhenMissing)
{
    QTemporaryDir folder;
    Workstation::layOutDefault(folder.path());
    Workstation laidOut(folder.path());
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("drive_c/WINDOWS"))).isDir());
    EXPECT_EQ(laidOut.drive(u'C')->type, DriveType::Fixed);
    EXPECT_EQ(laidOut.drive(u'Z')->hostFolder, QStringLiteral("/"));
    EXPECT_EQ(laidOut.windowsDir(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_EQ(laidOut.tempDir(), QStringLiteral("C:\\WINDOWS\\TEMP\\"));
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("drive_c/WINDOWS/TEMP"))).isDir());
    EXPECT_FALSE(laidOut.userName().isEmpty());
    EXPECT_FALSE(laidOut.computerName().isEmpty());

    QFile drives(folder.filePath(QStringLiteral("drives.ini")));
    ASSERT_TRUE(drives.open(QIODevice::WriteOnly));
    drives.write("[Drive A]\r\nPath=floppy\r\nType=removable\r\n");
    drives.close();
    Workstation::layOutDefault(folder.path());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("floppy"))));
    EXPECT_FALSE(Workstation(folder.path()).drive(u'C'));
}

TEST(WorkstationLayout, DefaultRootFollowsTheEnvironment)
{
    const QByteArray previous = qgetenv("TRAMEX_WORKSTATION");
    const QByteArray previousData = qgetenv("XDG_DATA_HOME");
    qputenv("TRAMEX_WORKSTATION", "/srv/ws");
    EXPECT_EQ(Workstation::defaultRoot(), QStringLiteral("/srv/ws"));
    qunsetenv("TRAMEX_WORKSTATION");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(Workstation::defaultRoot(), QStringLiteral("/srv/data/tramex/workstation"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Workstation::defaultRoot(), QDir::homePath() + QStringLiteral("/.local/share/tramex/workstation"));
    if (previous.isNull())
        qunsetenv("TRAMEX_WORKSTATION");
    else
        qputenv("TRAMEX_WORKSTATION", previous);
    if (!previousData.isNull())
        qputenv("XDG_DATA_HOME", previousData);
}

} // namespace

TEST(PlainFileNameTest, TakesOneFileInAFolderOnly)
{
    for (const char* name : {"a.txt", "a.", "PROVA.mdb", "console", ". a"})
        EXPECT_TRUE(windowsPath::isPlainFileName(QString::fromLatin1(name))) << name;
    for (const char* name : {"", ".", "..", "...", ". .", "  ", "a\\b", "a/b", "a:b", "CON", "nul.txt", "COM1"})
        EXPECT_FALSE(windowsPath::isPlainFileName(QString::fromLatin1(name))) << name;
}
