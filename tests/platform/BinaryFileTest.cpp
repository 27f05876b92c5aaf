#include "platform/BinaryFile.h"

#include <QDir>

#include "WorkstationFixture.h"
#include "platform/ErrorNumber.h"

using namespace platform;

namespace {

class BinaryFileTest : public WorkstationTest {};

TEST_F(BinaryFileTest, ReadsAndWritesAtTheCurrentPosition)
{
    {
        BinaryFile file(QStringLiteral("C:\\pezzo.bin"), BinaryFile::Mode::Write);
        file.write("abc");
        file.write("defg");
        EXPECT_EQ(file.position(), 7);
        file.close();
    }
    BinaryFile file(QStringLiteral("c:\\PEZZO.BIN"), BinaryFile::Mode::Read);
    EXPECT_EQ(file.length(), 7);
    EXPECT_EQ(file.read(2), QByteArray("ab"));
    EXPECT_EQ(file.read(0), QByteArray());
    EXPECT_EQ(file.read(5), QByteArray("cdefg"));
    EXPECT_EQ(RUNTIME_ERROR_OF(file.read(1)), InputPastEndOfFile);
}

TEST_F(BinaryFileTest, AFloppyTakesNoMoreThanItsCapacityLeaves)
{
    writeHostFile(onA(QStringLiteral("vecchio.bin")), QByteArray(1457664 - 4096, 'x'));
    BinaryFile file(QStringLiteral("A:\\nuovo.bin"), BinaryFile::Mode::Write);
    file.write(QByteArray(4096, 'y'));
    EXPECT_EQ(RUNTIME_ERROR_OF(file.write("z")), DiskFull);
}

TEST_F(BinaryFileTest, MissingFilesAndDisksAnswerWithTheirNumbers)
{
    EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QStringLiteral("C:\\manca.bin"), BinaryFile::Mode::Read)), FileNotFound);
    EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QStringLiteral("C:\\manca\\x.bin"), BinaryFile::Mode::Write)), PathNotFound);
    QDir(onA({})).removeRecursively();
    EXPECT_EQ(RUNTIME_ERROR_OF(BinaryFile(QStringLiteral("A:\\x.bin"), BinaryFile::Mode::Write)), DiskNotReady);
}

} // namespace
