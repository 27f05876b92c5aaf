#include <QByteArray>

#include <gtest/gtest.h>

#include "backup/DiskCount.h"
#include "backup/DiskSpace.h"
#include "backup/FileSlices.h"
#include "platform/BinaryFile.h"
#include "platform/Disk.h"
#include "tests/support/ScriptedSeams.h"
#include "tests/support/TestWorkstation.h"

using namespace backup;

namespace {

struct Estimate {
    qint64 total;
    qint64 capacity;
    bool settings;
    qint64 disks;
};

class EstimateTest : public ::testing::TestWithParam<Estimate> {};

TEST_P(EstimateTest, CountsTheDisksOfASave)
{
    const Estimate& row = GetParam();
    EXPECT_EQ(diskCount::estimatedDisks(row.total, row.capacity, row.settings), row.disks);
}

INSTANTIATE_TEST_SUITE_P(Rows, EstimateTest,
                         ::testing::Values(Estimate{2'000'000, 1'440'000, true, 3},
                                           Estimate{1'440'000, 1'440'000, false, 2},
                                           Estimate{1'000, 1'440'000, false, 1}, Estimate{0, 1'440'000, false, 0},
                                           Estimate{0, 1'440'000, true, 1}, Estimate{1'000, 0, false, 1},
                                           // Beyond 2 GiB the sizes still count.
                                           Estimate{5'000'000'000, 1'440'000, false, 3473},
                                           Estimate{5'000'000'000, 3'000'000'000, true, 3}));

TEST(PieceCountTest, CutsIntoWholePiecesAndARest)
{
    EXPECT_EQ(diskCount::pieceCount(3'000'000, 1'440'000), 3);
    EXPECT_EQ(diskCount::pieceCount(2'880'000, 1'440'000), 2);
    EXPECT_EQ(diskCount::pieceCount(3'800'000, 1'440'000), 3);
    // More blocks than a 16-bit count holds.
    EXPECT_EQ(diskCount::pieceCount(300'000'000, 8'192), 36'622);
}

class FileSlicesTest : public ::testing::Test {
protected:
    TestWorkstation workstation;
    ScriptedSeams seams{QStringLiteral("Salvix")};
};

TEST_F(FileSlicesTest, FreeSpaceBeyond2GiBIsNotZero)
{
    platform::disk::FreeSpace space;
    ASSERT_TRUE(platform::disk::freeSpace(QStringLiteral("C:\\"), space));
    const qint64 hostFree = qint64(space.freeClusters) * space.sectorsPerCluster * space.bytesPerSector;
    if (hostFree <= (qint64(1) << 31))
        GTEST_SKIP() << "the host disk has less than 2 GiB free";
    EXPECT_GT(diskSpace::freeSpace(QStringLiteral("C:")), qint64(1) << 31);
    EXPECT_EQ(diskSpace::backupCapacity(QStringLiteral("a:\\copie\\")), 1'440'000);
}

TEST_F(FileSlicesTest, SplitAndJoinGiveTheFileBack)
{
    QByteArray bytes;
    for (int index = 0; index < 3 * 8192 + 5; ++index)
        bytes.append(char(index * 7));
    TestWorkstation::writeFile(QStringLiteral("C:\\T\\Salvix.zip"), bytes);
    for (const qint64 pieceSize : {qint64(0), qint64(bytes.size())})
        EXPECT_TRUE(fileSlices::SplitFile(QStringLiteral("C:\\T\\Salvix.zip"), pieceSize));
    EXPECT_FALSE(TestWorkstation::fileExists(QStringLiteral("C:\\T\\Salvix.zip.1.spf")));

    ASSERT_TRUE(fileSlices::SplitFile(QStringLiteral("C:\\T\\Salvix.zip"), 8192));
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("C:\\T\\Salvix.zip.4.spf")), bytes.right(5));
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("C:\\T\\Salvix.zip.2.spf")), bytes.mid(8192, 8192));
    TestWorkstation::writeFile(QStringLiteral("C:\\T\\Salvix.zip"), "da sostituire");
    ASSERT_TRUE(fileSlices::JoinPieces(QStringLiteral("C:\\T\\Salvix.zip.*.spf")));
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("C:\\T\\Salvix.zip")), bytes);
}

TEST_F(FileSlicesTest, AMissingPieceIsReportedAndLeavesNoHalfFile)
{
    TestWorkstation::writeFile(QStringLiteral("C:\\T\\Salvix.zip.1.spf"), "uno");
    TestWorkstation::writeFile(QStringLiteral("C:\\T\\Salvix.zip.3.spf"), "tre");
    seams.prompter.expectMessage(QStringLiteral("Errore durante la copia: File not found"), interaction::Answer::Ok);
    EXPECT_FALSE(fileSlices::JoinPieces(QStringLiteral("C:\\T\\Salvix.zip.*.spf")));
    EXPECT_FALSE(TestWorkstation::fileExists(QStringLiteral("C:\\T\\Salvix.zip")));
}

} // namespace
