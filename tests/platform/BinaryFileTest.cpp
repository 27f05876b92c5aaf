#include "platform/BinaryFile.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "WorkstationFixture.h"
#include "platform/ErrorNumber.h"
#include "platform/Files.h"
#include "platform/ShareLock.h"

using namespace platform;

namespace {

constexpr qint64 fourGiB = qint64(1) << 32;

class BinaryFileTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        writeHostFile(onC(QStringLiteral("Dati/Schede.mdb")), "0123456789");
        makeHostFolder(onC(QStringLiteral("Dati/Cartella")));
    }

    QString schede() const { return onC(QStringLiteral("Dati/Schede.mdb")); }
};

TEST_F(BinaryFileTest, ReadsAndWritesAtTheCurrentPosition)
{
    BinaryFile source(QStringLiteral("c:\\dati\\SCHEDE.MDB"), BinaryFile::Mode::Read);
    EXPECT_EQ(source.length(), 10);
    EXPECT_EQ(source.read(4), QByteArray("0123"));
    EXPECT_EQ(source.position(), 4);
    source.seek(8);
    char buffer[8];
    EXPECT_EQ(source.readSome(buffer, sizeof buffer), 2);
    EXPECT_EQ(QByteArray(buffer, 2), QByteArray("89"));
    EXPECT_EQ(source.readSome(buffer, sizeof buffer), 0);
    EXPECT_EQ(source.read(0), QByteArray());
    source.seek(7);
    EXPECT_EQ(RUNTIME_ERROR_OF(source.read(4)), InputPastEndOfFile);
    EXPECT_EQ(RUNTIME_ERROR_OF(source.write("x")), PathFileAccessError);

    BinaryFile target(QStringLiteral("C:\\Dati\\Copia.mdb"), BinaryFile::Mode::Write);
    target.write("abcdef");
    target.seek(2);
    target.write("XY");
    EXPECT_EQ(target.position(), 4);
    target.seek(0);
    EXPECT_EQ(target.read(6), QByteArray("abXYef"));
    target.close();
    EXPECT_EQ(readHostFile(onC(QStringLiteral("Dati/Copia.mdb"))), QByteArray("abXYef"));
}

TEST_F(BinaryFileTest, WritingEmptiesAnExistingFile)
{
    BinaryFile(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Write).write("ab");
    EXPECT_EQ(readHostFile(schede()), QByteArray("ab"));
}

TEST_F(BinaryFileTest, RaisesTheRuntimesErrorsWhenOpening)
{
    writeHostFile(onC(QStringLiteral("Dati/Sola lettura.txt")), "x");
    ASSERT_TRUE(QFile::setPermissions(onC(QStringLiteral("Dati/Sola lettura.txt")), QFileDevice::ReadOwner));
    struct Case {
        const char* path;
        BinaryFile::Mode mode;
        int error;
    };
    const Case cases[] = {
        {"C:\\Dati\\Manca.mdb", BinaryFile::Mode::Read, FileNotFound},
        {"C:\\Manca\\Schede.mdb", BinaryFile::Mode::Read, PathNotFound},
        {"C:\\Dati\\Cartella", BinaryFile::Mode::Read, PathFileAccessError},
        {"C:\\Dati\\Cartella", BinaryFile::Mode::Write, PathFileAccessError},
        {"C:\\Dati\\Sola lettura.txt", BinaryFile::Mode::Write, PathFileAccessError},
        {"C:\\Manca\\Nuovo.bin", BinaryFile::Mode::Write, PathNotFound},
        {"C:\\Dati\\a|b.bin", BinaryFile::Mode::Write, BadFileNameOrNumber},
        {"\\\\server\\share\\a.bin", BinaryFile::Mode::Read, BadFileNameOrNumber},
        {"Q:\\a.bin", BinaryFile::Mode::Read, DeviceUnavailable},
        {"B:\\a.bin", BinaryFile::Mode::Write, DiskNotReady},
    };
    for (const Case& rule : cases) {
        EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QString::fromLatin1(rule.path), rule.mode)), rule.error)
            << rule.path << (rule.mode == BinaryFile::Mode::Read ? " read" : " write");
    }
    EXPECT_FALSE(QFile::exists(onC(QStringLiteral("Dati/a|b.bin"))));
}

TEST_F(BinaryFileTest, AClosedFileAnswersBadFileNumber)
{
    BinaryFile file(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Write);
    file.close();
    file.close();
    EXPECT_EQ(RUNTIME_ERROR_OF(file.length()), BadFileNameOrNumber);
    EXPECT_EQ(RUNTIME_ERROR_OF(file.read(1)), BadFileNameOrNumber);
    EXPECT_EQ(RUNTIME_ERROR_OF(file.write("x")), BadFileNameOrNumber);
    EXPECT_EQ(RUNTIME_ERROR_OF(file.seek(0)), BadFileNameOrNumber);
}

TEST_F(BinaryFileTest, KeepsTheShareModesOfOtherOpeners)
{
    {
        const ShareLock engine = ShareLock::tryAcquire(schede(), ShareLock::Mode::Shared);
        EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Write)),
                  PermissionDenied);
        EXPECT_EQ(BinaryFile(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Read).read(2), QByteArray("01"));
    }
    {
        const ShareLock engine = ShareLock::tryAcquire(schede(), ShareLock::Mode::Exclusive);
        EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Read)),
                  PermissionDenied);
    }
    {
        const BinaryFile reading(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Read);
        EXPECT_EQ(ShareLock::tryAcquire(schede(), ShareLock::Mode::Shared).state(), ShareLock::State::Held);
        EXPECT_EQ(ShareLock::tryAcquire(schede(), ShareLock::Mode::Exclusive).state(), ShareLock::State::InUse);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("C:\\Dati\\Schede.mdb"), "x")), PermissionDenied);
    }
    {
        const BinaryFile writing(QStringLiteral("C:\\Dati\\Nuovo.bin"), BinaryFile::Mode::Write);
        EXPECT_EQ(ShareLock::tryAcquire(onC(QStringLiteral("Dati/Nuovo.bin")), ShareLock::Mode::Shared).state(),
                  ShareLock::State::InUse);
        EXPECT_EQ(RUNTIME_ERROR_OF(files::removeFile(QStringLiteral("C:\\Dati\\Nuovo.bin"))), PermissionDenied);
    }
    files::removeFile(QStringLiteral("C:\\Dati\\Nuovo.bin"));
}

// Whether another process finds a write lock (fcntl) on the file's first byte.
bool anotherProcessSeesALock(const QString& hostPath)
{
    const QByteArray path = QFile::encodeName(hostPath);
    const pid_t child = ::fork();
    if (child == 0) {
        const int descriptor = ::open(path.constData(), O_RDONLY);
        struct flock probe {};
        probe.l_type = F_RDLCK;
        probe.l_whence = SEEK_SET;
        probe.l_len = 1;
        ::_exit(descriptor >= 0 && ::fcntl(descriptor, F_GETLK, &probe) == 0 && probe.l_type == F_WRLCK ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// SQLite's locks are fcntl() locks of the whole process, which closing any descriptor of the
// file drops; reading a database that this process has open must keep them.
TEST_F(BinaryFileTest, ClosingKeepsTheFcntlLocksADatabaseOfThisProcessHolds)
{
    const ShareLock engine = ShareLock::tryAcquire(schede(), ShareLock::Mode::Shared);
    const int sqlite = ::open(QFile::encodeName(schede()).constData(), O_RDWR);
    ASSERT_GE(sqlite, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_len = 1;
    ASSERT_EQ(::fcntl(sqlite, F_SETLK, &lock), 0);
    ASSERT_TRUE(anotherProcessSeesALock(schede()));

    BinaryFile(QStringLiteral("C:\\Dati\\Schede.mdb"), BinaryFile::Mode::Read).read(10);
    EXPECT_TRUE(anotherProcessSeesALock(schede()));
    ::close(sqlite);
    EXPECT_FALSE(anotherProcessSeesALock(schede()));
}

TEST_F(BinaryFileTest, LengthsAndPositionsPassFourGibibytes)
{
    {
        QFile sparse(onC(QStringLiteral("Dati/Grande.bin")));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(fourGiB + 3));
    }
    BinaryFile file(QStringLiteral("C:\\Dati\\Grande.bin"), BinaryFile::Mode::Read);
    EXPECT_EQ(file.length(), fourGiB + 3);
    file.seek(fourGiB + 1);
    EXPECT_EQ(file.read(2), QByteArray(2, '\0'));
    EXPECT_EQ(file.position(), fourGiB + 3);
    file.close();

    BinaryFile grown(QStringLiteral("C:\\Dati\\Grande.bin"), BinaryFile::Mode::Write);
    grown.seek(fourGiB);
    grown.write("z");
    EXPECT_EQ(grown.length(), fourGiB + 1);
    grown.close();
    EXPECT_EQ(files::length(QStringLiteral("C:\\Dati\\Grande.bin")), fourGiB + 1);

    // On a floppy the gap before a write four gibibytes away counts in full, not modulo 2^32.
    BinaryFile floppy(QStringLiteral("A:\\Grande.bin"), BinaryFile::Mode::Write);
    floppy.seek(fourGiB);
    EXPECT_EQ(RUNTIME_ERROR_OF(floppy.write("z")), DiskFull);
}

} // namespace
