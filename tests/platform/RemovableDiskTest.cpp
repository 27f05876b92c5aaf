#include <functional>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "WorkstationFixture.h"
#include "platform/BinaryFile.h"
#include "platform/Disk.h"
#include "platform/ErrorNumber.h"
#include "platform/Files.h"
#include "platform/Listing.h"
#include "platform/Profile.h"

using namespace platform;

namespace {

// Drive A: holds 1,457,664 bytes; the fixture's disk starts with a file of others and the
// file some cases replace: 1,000,000 bytes, 457,664 left.
constexpr qint64 othersBytes = 400000;
constexpr qint64 replacedBytes = 600000;
constexpr qint64 freeBytes = 1457664 - othersBytes - replacedBytes;

// A way of putting `size` bytes into a file of drive A:; the error number it raised, or -1 for
// an INI write that answered false.
using Writer = std::function<int(const QString& path, qint64 size)>;

int wholeFile(const QString& path, qint64 size)
{
    return RUNTIME_ERROR_OF(files::writeAll(path, QByteArray(size, 'w')));
}

int copiedFile(const QString& path, qint64 size)
{
    TestWorkstation::writeFile(QStringLiteral("C:\\origine.bin"), QByteArray(size, 'c'));
    return RUNTIME_ERROR_OF(files::copy(QStringLiteral("C:\\origine.bin"), path));
}

int appended(const QString& path, qint64 size)
{
    return RUNTIME_ERROR_OF(files::append(path, QByteArray(size, 'a')));
}

// "[S]\r\nK=" and "\r\n" take 9 bytes besides the value.
int iniValue(const QString& path, qint64 size)
{
    return profile::writePrivateProfileString(QStringLiteral("S"), QStringLiteral("K"), QString(size - 9, u'v'), path)
               ? 0
               : -1;
}

// As the backup program copies a piece: 8,192 bytes at a time.
int binaryBlocks(const QString& path, qint64 size)
{
    return RUNTIME_ERROR_OF({
        BinaryFile file(path, BinaryFile::Mode::Write);
        for (qint64 done = 0; done < size; done += 8192)
            file.write(QByteArray(std::min<qint64>(8192, size - done), 'b'));
    });
}

struct CapacityCase {
    const char* name;
    Writer write;
    const char* file;    // on A:, "dati.bin" being the file of replacedBytes
    qint64 fits;         // the most bytes the write may put there
    qint64 lengthBefore; // of the file, as a write adds to it
    int refusal;
    bool leavesTheFileAsItWas;
};

void PrintTo(const CapacityCase& value, std::ostream* out)
{
    *out << value.name;
}

class RemovableDiskTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        writeHostFile(onA(QStringLiteral("Vecchi/altri.bin")), QByteArray(othersBytes, 'o'));
        writeHostFile(onA(QStringLiteral("dati.bin")), QByteArray(replacedBytes, 'd'));
    }

    // What drive A: holds, hidden files included: names and lengths.
    QStringList contentsOfA() const
    {
        QStringList contents;
        QDirIterator entries(onA(QString()), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            entries.next();
            contents.append(entries.filePath() + u' ' + QString::number(entries.fileInfo().size()));
        }
        contents.sort();
        return contents;
    }

    static std::uint32_t freeClustersOfA()
    {
        disk::FreeSpace space;
        EXPECT_TRUE(disk::freeSpace(QStringLiteral("A:\\"), space));
        return space.freeClusters;
    }
};

class CapacityTest : public RemovableDiskTest, public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(CapacityTest, AWriteThatWouldPassTheCapacityFailsWithDiskFull)
{
    const CapacityCase& rule = GetParam();
    const QString path = QStringLiteral("A:\\") + QString::fromLatin1(rule.file);
    const QString host = onA(QString::fromLatin1(rule.file));
    const QStringList before = contentsOfA();

    EXPECT_EQ(rule.write(path, rule.fits + 1), rule.refusal);
    if (rule.leavesTheFileAsItWas)
        EXPECT_EQ(contentsOfA(), before);
    else
        EXPECT_LE(QFileInfo(host).size(), rule.lengthBefore + rule.fits);

    EXPECT_EQ(rule.write(path, rule.fits), 0);
    EXPECT_EQ(QFileInfo(host).size(), rule.lengthBefore + rule.fits);
    EXPECT_EQ(freeClustersOfA(), 0u);
    EXPECT_EQ(rule.write(QStringLiteral("A:\\altro.bin"), 1), rule.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    WritePaths, CapacityTest,
    ::testing::Values(
        CapacityCase{"whole_file_new", wholeFile, "nuovo.bin", freeBytes, 0, DiskFull, true},
        CapacityCase{"whole_file_replacing", wholeFile, "dati.bin", freeBytes + replacedBytes, 0, DiskFull, true},
        CapacityCase{"copy_new", copiedFile, "nuovo.bin", freeBytes, 0, DiskFull, true},
        CapacityCase{"copy_replacing", copiedFile, "dati.bin", freeBytes + replacedBytes, 0, DiskFull, true},
        CapacityCase{"append_new", appended, "nuovo.bin", freeBytes, 0, DiskFull, true},
        CapacityCase{"append_to_a_file", appended, "dati.bin", freeBytes, replacedBytes, DiskFull, true},
        CapacityCase{"ini_new", iniValue, "Salvix.ini", freeBytes, 0, -1, true},
        CapacityCase{"binary_new", binaryBlocks, "nuovo.bin", freeBytes, 0, DiskFull, false},
        CapacityCase{"binary_replacing", binaryBlocks, "dati.bin", freeBytes + replacedBytes, 0, DiskFull, false}),
    [](const ::testing::TestParamInfo<CapacityCase>& info) { return std::string(info.param.name); });

TEST_F(RemovableDiskTest, ABinaryWriteKeepsTheBlocksThatFit)
{
    ejectDiskA();
    insertDiskA();
    BinaryFile piece(QStringLiteral("A:\\Salvix.zip.1.spf"), BinaryFile::Mode::Write);
    piece.write(QByteArray(1457000, 'p'));
    EXPECT_EQ(RUNTIME_ERROR_OF(piece.write(QByteArray(8192, 'p'))), DiskFull);
    piece.write(QByteArray(664, 'p'));
    EXPECT_EQ(piece.length(), 1457664);
    // A write past the end counts the gap before it.
    piece.seek(piece.length() + 10);
    EXPECT_EQ(RUNTIME_ERROR_OF(piece.write(QByteArray())), 0);
    EXPECT_EQ(RUNTIME_ERROR_OF(piece.write(QByteArray(1, 'p'))), DiskFull);
    piece.seek(0);
    piece.write(QByteArray(1000, 'q'));
    EXPECT_EQ(piece.length(), 1457664);
}

TEST_F(RemovableDiskTest, FreeSpaceIsTheCapacityLessTheBytesOnTheDisk)
{
    EXPECT_EQ(freeClustersOfA(), std::uint32_t(freeBytes / 512));
    files::removeFile(QStringLiteral("A:\\dati.bin"));
    EXPECT_EQ(freeClustersOfA(), std::uint32_t((freeBytes + replacedBytes) / 512));
}

// Every operation on a removable drive without a disk fails as not ready; the fixture's B: has none.
TEST_F(RemovableDiskTest, ADriveWithoutDiskIsNotReadyForAnyOperation)
{
    writeHostFile(onC(QStringLiteral("nota.txt")), "nota");
    const QString onB = QStringLiteral("B:\\nota.txt");
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"Dir", [] { listing::dir(QStringLiteral("B:\\*.*")); }},
        {"GetAttr", [&] { listing::attributes(onB); }},
        {"SetAttr", [&] { listing::setAttributes(onB, listing::ReadOnly); }},
        {"FileLen", [&] { files::length(onB); }},
        {"FileCopy from", [&] { files::copy(onB, QStringLiteral("C:\\copia.txt")); }},
        {"FileCopy to", [&] { files::copy(QStringLiteral("C:\\nota.txt"), onB); }},
        {"Kill", [&] { files::removeFile(onB); }},
        {"Name", [&] { files::rename(onB, QStringLiteral("B:\\altra.txt")); }},
        {"MkDir", [] { files::makeDirectory(QStringLiteral("B:\\Cartella")); }},
        {"RmDir", [] { files::removeDirectory(QStringLiteral("B:\\Cartella")); }},
        {"read whole file", [&] { files::readAll(onB); }},
        {"write whole file", [&] { files::writeAll(onB, "x"); }},
        {"append", [&] { files::append(onB, "x"); }},
        {"binary read", [&] { BinaryFile(onB, BinaryFile::Mode::Read); }},
        {"binary write", [&] { BinaryFile(onB, BinaryFile::Mode::Write); }},
    };
    for (const auto& [name, operation] : operations)
        EXPECT_EQ(errorNumberOf(operation), DiskNotReady) << name;

    EXPECT_FALSE(files::exists(onB));
    EXPECT_FALSE(profile::writePrivateProfileString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"),
                                                    QStringLiteral("B:\\Salvix.ini")));
    EXPECT_EQ(profile::readString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("assente"),
                                  QStringLiteral("B:\\Salvix.ini")),
              QStringLiteral("assente"));
    disk::FreeSpace space;
    EXPECT_FALSE(disk::freeSpace(QStringLiteral("B:\\"), space));
    EXPECT_EQ(disk::driveType(QStringLiteral("B:\\")), DriveType::Removable);
}

TEST_F(RemovableDiskTest, EachDiskPutInTheDriveCountsWithItsOwnFiles)
{
    ejectDiskA();
    EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("A:\\dati.bin"), "x")), DiskNotReady);
    EXPECT_EQ(RUNTIME_ERROR_OF(listing::dir(QStringLiteral("A:\\*.*"))), DiskNotReady);

    insertDiskA();
    EXPECT_EQ(listing::dir(QStringLiteral("A:\\*.*")), QStringList());
    EXPECT_EQ(freeClustersOfA(), 2847u);
    files::writeAll(QStringLiteral("A:\\Salvix.zip"), QByteArray(1440000, 'z'));
    EXPECT_EQ(freeClustersOfA(), 34u); // 17,664 bytes left

    ejectDiskA();
    writeHostFile(onA(QStringLiteral("Salvix.zip.2.spf")), QByteArray(1457000, 's'));
    EXPECT_EQ(listing::dir(QStringLiteral("A:\\*.*")), QStringList{QStringLiteral("Salvix.zip.2.spf")});
    EXPECT_EQ(RUNTIME_ERROR_OF(files::writeAll(QStringLiteral("A:\\Salvix.ini"), QByteArray(665, 'i'))), DiskFull);
    files::writeAll(QStringLiteral("A:\\Salvix.ini"), QByteArray(664, 'i'));
}

TEST_F(RemovableDiskTest, AnOpenFileIsLostWhenItsDiskLeavesTheDrive)
{
    writeHostFile(onA(QStringLiteral("Salvix.zip")), "primo disco");
    BinaryFile reading(QStringLiteral("A:\\Salvix.zip"), BinaryFile::Mode::Read);
    BinaryFile writing(QStringLiteral("A:\\Salvix.ini"), BinaryFile::Mode::Write);
    EXPECT_EQ(reading.read(5), QByteArray("primo"));

    ejectDiskA();
    EXPECT_EQ(RUNTIME_ERROR_OF(reading.read(1)), DiskNotReady);
    EXPECT_EQ(RUNTIME_ERROR_OF(reading.length()), DiskNotReady);
    EXPECT_EQ(RUNTIME_ERROR_OF(writing.write("x")), DiskNotReady);

    // Another disk with a file of the same name is not the disk the file was opened on.
    writeHostFile(onA(QStringLiteral("Salvix.zip")), "secondo disco");
    writeHostFile(onA(QStringLiteral("Salvix.ini")));
    EXPECT_EQ(RUNTIME_ERROR_OF(reading.read(1)), DiskNotReady);
    EXPECT_EQ(RUNTIME_ERROR_OF(writing.write("x")), DiskNotReady);
    reading.close();
    writing.close();
    EXPECT_EQ(BinaryFile(QStringLiteral("A:\\Salvix.zip"), BinaryFile::Mode::Read).read(7), QByteArray("secondo"));
    EXPECT_EQ(readHostFile(onA(QStringLiteral("Salvix.ini"))), QByteArray());
}

} // namespace
