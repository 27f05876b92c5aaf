#include "platform/Files.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "WorkstationFixture.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "platform/ShareLock.h"

using namespace platform;

namespace {

class FilesTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        makeHostFolder(onC(QStringLiteral("Archivi/Vecchi")));
        writeHostFile(onC(QStringLiteral("Archivi/Camicie.mdb")), "camicie");
        writeHostFile(onC(QStringLiteral("Archivi/Gonne.MDB")), "gonne");
        writeHostFile(onC(QStringLiteral("Archivi/note.txt")), "note");
    }

    void makeReadOnly(const QString& hostPath) { ASSERT_TRUE(QFile::setPermissions(hostPath, QFileDevice::ReadOwner)); }
};

TEST_F(FilesTest, MakesAndRemovesFolders)
{
    files::makeDirectory(QStringLiteral("C:\\archivi\\Nuovi"));
    EXPECT_TRUE(QFileInfo(onC(QStringLiteral("Archivi/Nuovi"))).isDir());
    EXPECT_EQ(RUNTIME_ERROR_OF(files::makeDirectory(QStringLiteral("C:\\ARCHIVI\\nuovi"))), 75);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::makeDirectory(QStringLiteral("C:\\Archivi\\note.txt"))), 75);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::makeDirectory(QStringLiteral("C:\\Manca\\Nuovi"))), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::makeDirectory(QStringLiteral("B:\\Nuovi"))), 71);

    files::removeDirectory(QStringLiteral("C:\\Archivi\\NUOVI"));
    EXPECT_FALSE(QFileInfo::exists(onC(QStringLiteral("Archivi/Nuovi"))));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeDirectory(QStringLiteral("C:\\Archivi\\Nuovi"))), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeDirectory(QStringLiteral("C:\\Archivi"))), 75);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeDirectory(QStringLiteral("C:\\Archivi\\note.txt"))), 76);
}

TEST_F(FilesTest, KillsFilesByPatternButNotReadOnlyOnes)
{
    files::removeFile(QStringLiteral("C:\\Archivi\\*.mdb"));
    EXPECT_EQ(listing::dir(QStringLiteral("C:\\Archivi\\*.*")), QStringList{QStringLiteral("note.txt")});
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Archivi\\*.mdb"))), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Archivi\\Vecchi"))), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Manca\\a.txt"))), 76);
    makeReadOnly(onC(QStringLiteral("Archivi/note.txt")));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Archivi\\NOTE.TXT"))), 75);
    EXPECT_TRUE(QFileInfo::exists(onC(QStringLiteral("Archivi/note.txt"))));
}

TEST_F(FilesTest, AFileSomeoneHasOpenIsNeitherDeletedNorRenamedNorReplaced)
{
    const QString archive = onC(QStringLiteral("Archivi/Camicie.mdb"));
    for (const auto mode : {ShareLock::Mode::Shared, ShareLock::Mode::Exclusive}) {
        ShareLock open = ShareLock::tryAcquire(archive, mode);
        ASSERT_EQ(open.state(), ShareLock::State::Held);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Archivi\\camicie.mdb"))), 70);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Archivi\\*.mdb"))), 70);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::rename(QStringLiteral("C:\\Archivi\\Camicie.mdb"),
                                                 QStringLiteral("C:\\Archivi\\Nuove.mdb"))),
                  75);
        EXPECT_EQ(RUNTIME_ERROR_OF(
                      files::copy(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("C:\\Archivi\\Camicie.mdb"))),
                  70);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("C:\\Archivi\\Camicie.mdb"), "x")), 70);
        EXPECT_EQ(readHostFile(archive), QByteArray("camicie"));
        // Holding it kept the opener from the file, not the file from its opener.
        EXPECT_EQ(ShareLock::tryAcquire(archive, ShareLock::Mode::Shared).state(),
                  mode == ShareLock::Mode::Shared ? ShareLock::State::Held : ShareLock::State::InUse);
    }
    // A link is nobody's open file: it goes, the file it names stays.
    ASSERT_TRUE(QFile::link(archive, onC(QStringLiteral("Archivi/Collegamento.mdb"))));
    {
        const ShareLock open = ShareLock::tryAcquire(archive, ShareLock::Mode::Shared);
        files::removeFile(QStringLiteral("C:\\Archivi\\Collegamento.mdb"));
    }
    EXPECT_FALSE(QFileInfo(onC(QStringLiteral("Archivi/Collegamento.mdb"))).isSymLink());
    files::rename(QStringLiteral("C:\\Archivi\\Camicie.mdb"), QStringLiteral("C:\\Archivi\\Nuove.mdb"));
    files::removeFile(QStringLiteral("C:\\Archivi\\Nuove.mdb"));
    EXPECT_EQ(listing::dir(QStringLiteral("C:\\Archivi\\*.mdb")), QStringList{QStringLiteral("Gonne.MDB")});
}

TEST_F(FilesTest, RenamesWithinADrive)
{
    files::rename(QStringLiteral("C:\\Archivi\\camicie.MDB"), QStringLiteral("C:\\Archivi\\Vecchi\\Camicie 2001.mdb"));
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Archivi/Vecchi/Camicie 2001.mdb"))), QByteArray("camicie"));
    EXPECT_FALSE(QFileInfo::exists(onC(QStringLiteral("Archivi/Camicie.mdb"))));

    files::rename(QStringLiteral("C:\\Archivi\\gonne.mdb"), QStringLiteral("C:\\Archivi\\GONNE.MDB"));
    EXPECT_EQ(QDir(onC(QStringLiteral("Archivi"))).entryList(QDir::Files),
              QStringList{QStringLiteral("GONNE.MDB")} << QStringLiteral("note.txt"));

    EXPECT_EQ(RUNTIME_ERROR_OF(
                  files::rename(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("C:\\Archivi\\gonne.mdb"))),
              58);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::rename(QStringLiteral("C:\\Archivi\\manca"), QStringLiteral("C:\\Archivi\\x"))),
              53);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::rename(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("A:\\note.txt"))),
              74);
    EXPECT_EQ(
        RUNTIME_ERROR_OF(files::rename(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("C:\\Manca\\note.txt"))),
        76);
    EXPECT_EQ(
        RUNTIME_ERROR_OF(files::rename(QStringLiteral("C:\\Archivi"), QStringLiteral("C:\\Archivi\\Vecchi\\Dentro"))),
        75);
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Archivi/note.txt"))), QByteArray("note"));
}

TEST_F(FilesTest, CopiesOverwritingButNotOntoReadOnlyFiles)
{
    files::copy(QStringLiteral("C:\\Archivi\\CAMICIE.mdb"), QStringLiteral("A:\\copia.mdb"));
    EXPECT_EQ(readHostFile(onA(QStringLiteral("copia.mdb"))), QByteArray("camicie"));
    EXPECT_EQ(QFileInfo(onA(QStringLiteral("copia.mdb"))).lastModified(),
              QFileInfo(onC(QStringLiteral("Archivi/Camicie.mdb"))).lastModified());
    files::copy(QStringLiteral("C:\\Archivi\\gonne.mdb"), QStringLiteral("a:\\COPIA.MDB"));
    EXPECT_EQ(readHostFile(onA(QStringLiteral("copia.mdb"))), QByteArray("gonne"));

    makeReadOnly(onA(QStringLiteral("copia.mdb")));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("A:\\copia.mdb"))),
              75);
    EXPECT_EQ(readHostFile(onA(QStringLiteral("copia.mdb"))), QByteArray("gonne"));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\Archivi\\manca"), QStringLiteral("A:\\x"))), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("A:\\Manca\\x"))),
              76);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("B:\\x"))), 71);
    EXPECT_EQ(
        RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\Archivi\\note.txt"), QStringLiteral("C:\\ARCHIVI\\Note.txt"))),
        75);
}

TEST_F(FilesTest, ReadsWritesAndAppendsWholeFiles)
{
    EXPECT_EQ(files::length(QStringLiteral("C:\\Archivi\\camicie.mdb")), 7);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::length(QStringLiteral("C:\\Archivi\\manca"))), 53);
    EXPECT_EQ(files::readAll(QStringLiteral("C:\\ARCHIVI\\NOTE.TXT")), QByteArray("note"));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::readAll(QStringLiteral("C:\\Archivi\\manca"))), 53);

    files::writeAll(QStringLiteral("C:\\Archivi\\note.txt"), "nuove note");
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Archivi/note.txt"))), QByteArray("nuove note"));
    files::append(QStringLiteral("C:\\Archivi\\NOTE.txt"), "\r\nriga");
    files::append(QStringLiteral("C:\\Archivi\\Tramex.log"), "prima");
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Archivi/note.txt"))), QByteArray("nuove note\r\nriga"));
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Archivi/Tramex.log"))), QByteArray("prima"));
    EXPECT_TRUE(files::exists(QStringLiteral("c:\\archivi\\tramex.LOG")));
    EXPECT_TRUE(files::exists(QStringLiteral("c:\\archivi\\vecchi")));
    EXPECT_FALSE(files::exists(QStringLiteral("\\\\server\\x")));

    EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("C:\\Manca\\x.txt"), "x")), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::append(QStringLiteral("C:\\Manca\\x.txt"), "x")), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("C:\\Archivi\\Vecchi"), "x")), 75);
    makeReadOnly(onC(QStringLiteral("Archivi/note.txt")));
    EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("C:\\Archivi\\note.txt"), "x")), 75);
    EXPECT_EQ(RUNTIME_ERROR_OF(files::append(QStringLiteral("C:\\Archivi\\note.txt"), "x")), 75);
}

} // namespace
