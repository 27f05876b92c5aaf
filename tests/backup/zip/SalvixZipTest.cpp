#include <ostream>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include "automation/Components.h"
#include "automation/Registry.h"
#include "automation/Variant.h"
#include "platform/BinaryFile.h"
#include "tests/backup/zip/SalvixZipArchives.h"
#include "tests/support/ProcessOutput.h"
#include "tests/support/TestWorkstation.h"

namespace {

using automation::Variant;
using salvixziptest::unzip;

const QByteArray drivesWithFloppy = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                                    "[Drive A]\r\nPath=drive_a\r\nType=removable\r\nCapacity=100000\r\n"
                                    "[Drive Z]\r\nPath=/\r\nType=fixed\r\n";

// Bytes that compress about as a card archive does: runs of text among varying numbers.
QByteArray sampleBytes(int size, int seed)
{
    QByteArray bytes;
    bytes.reserve(size);
    quint32 state = quint32(seed) * 2654435761u + 1;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        bytes += "CAPO " + QByteArray::number(state % 997) + ";taglia=" + QByteArray::number(state >> 24) + '\n';
    }
    bytes.truncate(size);
    return bytes;
}

struct Outcome {
    int result = -1;
    QString errorText;
};

class SalvixZipTest : public testing::Test {
protected:
    SalvixZipTest() : m_station(drivesWithFloppy)
    {
        TestWorkstation::registerBuilt(QStringLiteral("SalvixZip.dll"));
        m_station.insertDisk(u'A');
        TestWorkstation::makeFolder(QStringLiteral("C:\\Temp"));
    }

    // Compresses as the backup program does: archive, spanning, files, Finish, ErrorText.
    static Outcome compress(const QString& archive, const QStringList& files, int spanning = 0)
    {
        const automation::ObjectRef compressor = automation::createObject(QStringLiteral("SalvixZip.Compressor"));
        compressor->call(QStringLiteral("SetArchive"), {Variant(archive)});
        compressor->call(QStringLiteral("SetSpanning"), {Variant::fromLong(spanning)});
        for (const QString& file : files)
            compressor->call(QStringLiteral("AddFile"), {Variant(file)});
        const int result = compressor->call(QStringLiteral("Finish")).toLong();
        return {result, compressor->call(QStringLiteral("ErrorText")).toString()};
    }

    static Outcome extract(const QString& archive, const QString& baseFolder, bool overwrite = true,
                           bool restoreFolders = true, const QString& include = {}, const QString& exclude = {})
    {
        const automation::ObjectRef decompressor =
            automation::createObject(QStringLiteral("{43387DB1-DDAE-11D3-97EC-0000E8740307}"));
        decompressor->call(QStringLiteral("SetArchive"), {Variant(archive)});
        decompressor->call(QStringLiteral("SetOverwrite"), {Variant::fromBoolean(overwrite)});
        decompressor->call(QStringLiteral("SetRestoreFolders"), {Variant::fromBoolean(restoreFolders)});
        decompressor->call(QStringLiteral("SetBaseFolder"), {Variant(baseFolder)});
        const int result = decompressor->call(QStringLiteral("Extract"), {Variant(include), Variant(exclude)}).toLong();
        return {result, decompressor->call(QStringLiteral("ErrorText")).toString()};
    }

    // Three card archives and the settings database, the empty one included.
    void writeArchives()
    {
        TestWorkstation::makeFolder(QStringLiteral("C:\\Tramex\\Schede"));
        for (const auto& [path, bytes] : m_files)
            TestWorkstation::writeFile(path, bytes);
    }

    QStringList allPaths() const
    {
        QStringList paths;
        for (const auto& file : m_files)
            paths.append(file.first);
        return paths;
    }

    static QStringList hostFolderNames(const QString& windowsFolder)
    {
        return QDir(TestWorkstation::hostPath(windowsFolder))
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    void expectArchivesAsWritten() const
    {
        for (const auto& [path, bytes] : m_files)
            EXPECT_EQ(TestWorkstation::readFile(path), bytes) << path.toStdString();
    }

    TestWorkstation m_station;
    const std::vector<std::pair<QString, QByteArray>> m_files = {
        {QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb"), sampleBytes(400000, 1)},
        {QStringLiteral("C:\\Tramex\\Schede\\Donna.mdb"), sampleBytes(120000, 2)},
        {QStringLiteral("C:\\Tramex\\Schede\\vuoto.mdb"), QByteArray()},
        {QStringLiteral("C:\\Tramex\\Tramex Config.mdb"), sampleBytes(5000, 3)},
    };
    const QString m_archive = QStringLiteral("C:\\Temp\\Salvix.zip");
};

TEST_F(SalvixZipTest, RegistersBothClassesUnderTheirIdentities)
{
    const auto compressor = automation::registry::find(QStringLiteral("salvixzip.compressor"));
    const auto decompressor = automation::registry::find(QStringLiteral("SalvixZip.Decompressor"));
    ASSERT_TRUE(compressor && decompressor);
    EXPECT_EQ(compressor->clsid, QUuid(QStringLiteral("{43387DB6-DDAE-11D3-97EC-0000E8740307}")));
    EXPECT_EQ(decompressor->clsid, QUuid(QStringLiteral("{43387DB1-DDAE-11D3-97EC-0000E8740307}")));
    EXPECT_EQ(compressor->libraryName, QStringLiteral("SalvixZip"));
    EXPECT_EQ(compressor->libraryVersion, QStringLiteral("1.0"));
    EXPECT_EQ(decompressor->interfaceName, QStringLiteral("_Decompressor"));
}

TEST_F(SalvixZipTest, AnyZipToolListsTestsAndExtractsTheArchiveByPathBelowTheDrive)
{
    writeArchives();
    // Named in another case than on disk: the entries keep the disk's spelling.
    const Outcome made = compress(m_archive, {QStringLiteral("c:\\tramex\\schede\\uomo.mdb"), QString(),
                                              QStringLiteral("C:\\Tramex\\Schede\\Donna.mdb"),
                                              QStringLiteral("C:\\Tramex\\Schede\\vuoto.mdb"),
                                              QStringLiteral("C:\\Tramex\\Tramex Config.mdb")});
    ASSERT_EQ(made.result, 0) << made.errorText.toStdString();
    EXPECT_EQ(made.errorText, QString());
    const QString host = TestWorkstation::hostPath(m_archive);
    EXPECT_LT(QFileInfo(host).size(), 525000 / 3);

    const auto listed = unzip({QStringLiteral("-Z1"), host});
    EXPECT_EQ(listed.out.split(u'\n', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("Tramex/Schede/UOMO.mdb"), QStringLiteral("Tramex/Schede/Donna.mdb"),
                           QStringLiteral("Tramex/Schede/vuoto.mdb"), QStringLiteral("Tramex/Tramex Config.mdb")}));
    EXPECT_EQ(unzip({QStringLiteral("-tq"), host}).exitCode, 0);
    EXPECT_TRUE(unzip({QStringLiteral("-Zv"), host}).out.contains(QStringLiteral("deflated")));

    const QString elsewhere = m_station.inRoot(QStringLiteral("unzipped"));
    ASSERT_EQ(unzip({QStringLiteral("-q"), host, QStringLiteral("-d"), elsewhere}).exitCode, 0);
    EXPECT_EQ(TestWorkstation::readHostFile(elsewhere + QStringLiteral("/Tramex/Schede/UOMO.mdb")), m_files[0].second);
}

TEST_F(SalvixZipTest, ExtractingBelowTheDriveRootPutsEveryFileBackByteForByte)
{
    writeArchives();
    ASSERT_EQ(compress(m_archive, allPaths()).result, 0);
    ASSERT_TRUE(QDir(TestWorkstation::hostPath(QStringLiteral("C:\\Tramex"))).removeRecursively());

    const Outcome restored = extract(m_archive, QStringLiteral("C:\\"));
    ASSERT_EQ(restored.result, 0) << restored.errorText.toStdString();
    EXPECT_EQ(restored.errorText, QString());
    expectArchivesAsWritten();
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Tramex\\Schede")),
              (QStringList{QStringLiteral("Donna.mdb"), QStringLiteral("UOMO.mdb"), QStringLiteral("vuoto.mdb")}));

    // Over files that changed since: replaced, and only the archive's files are there.
    TestWorkstation::writeFile(QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb"), "cambiato");
    ASSERT_EQ(extract(m_archive, QStringLiteral("C:\\")).result, 0);
    expectArchivesAsWritten();
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Tramex\\Schede")).size(), 3);
}

TEST_F(SalvixZipTest, TheOptionsKeepFilesFlattenFoldersAndSelectEntries)
{
    writeArchives();
    ASSERT_EQ(compress(m_archive, {m_files[0].first, m_files[1].first, m_files[3].first}).result, 0);

    TestWorkstation::writeFile(QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb"), "tenuto");
    ASSERT_TRUE(QFile::remove(TestWorkstation::hostPath(m_files[1].first)));
    ASSERT_EQ(extract(m_archive, QStringLiteral("C:\\"), false).result, 0);
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb")), QByteArray("tenuto"));
    EXPECT_EQ(TestWorkstation::readFile(m_files[1].first), m_files[1].second);

    TestWorkstation::makeFolder(QStringLiteral("C:\\Piatto"));
    ASSERT_EQ(extract(m_archive, QStringLiteral("C:\\Piatto"), true, false, QStringLiteral("*.mdb"),
                      QStringLiteral("Tramex*"))
                  .result,
              0);
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Piatto")),
              (QStringList{QStringLiteral("Donna.mdb"), QStringLiteral("UOMO.mdb")}));
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("C:\\Piatto\\UOMO.mdb")), m_files[0].second);
}

struct FailedFinish {
    const char* name;
    int spanning;
    QStringList files;
    int result;
    const char* errorTextHolds;
};

void PrintTo(const FailedFinish& row, std::ostream* out)
{
    *out << row.name;
}

class FailedFinishTest : public SalvixZipTest, public testing::WithParamInterface<FailedFinish> {};

TEST_P(FailedFinishTest, FailsWithItsTextAndKeepsTheOldArchive)
{
    writeArchives();
    TestWorkstation::writeFile(m_archive, "archivio precedente");
    const Outcome made = compress(m_archive, GetParam().files, GetParam().spanning);
    EXPECT_EQ(made.result, GetParam().result);
    EXPECT_TRUE(made.errorText.contains(QLatin1StringView(GetParam().errorTextHolds))) << made.errorText.toStdString();
    EXPECT_EQ(TestWorkstation::readFile(m_archive), QByteArray("archivio precedente"));
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Temp")), QStringList{QStringLiteral("Salvix.zip")});
}

INSTANTIATE_TEST_SUITE_P(
    Compressor, FailedFinishTest,
    testing::Values(
        FailedFinish{"Spanning", 1, {QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb")}, 5, "spanning"},
        FailedFinish{"SpanningAnyOtherValue", -1, {QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb")}, 5, "spanning"},
        FailedFinish{"MissingFile",
                     0,
                     {QStringLiteral("C:\\Tramex\\Schede\\UOMO.mdb"), QStringLiteral("C:\\Tramex\\Schede\\Manca.mdb")},
                     53,
                     "C:\\Tramex\\Schede\\Manca.mdb"},
        FailedFinish{"AFolder", 0, {QStringLiteral("C:\\Tramex\\Schede")}, 75, "C:\\Tramex\\Schede"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SalvixZipTest, AnArchiveWithoutFilesIsAnEmptyZip)
{
    ASSERT_EQ(compress(m_archive, {QString()}).result, 0);
    EXPECT_EQ(unzip({QStringLiteral("-Z1"), TestWorkstation::hostPath(m_archive)}).exitCode, 1);
    EXPECT_EQ(QFileInfo(TestWorkstation::hostPath(m_archive)).size(), 22);
    EXPECT_EQ(extract(m_archive, QStringLiteral("C:\\")).result, 0);
}

struct RefusedArchive {
    const char* name;
    QString entryName;
};

void PrintTo(const RefusedArchive& row, std::ostream* out)
{
    *out << row.name;
}

class RefusedEntryTest : public SalvixZipTest, public testing::WithParamInterface<RefusedArchive> {};

TEST_P(RefusedEntryTest, AnEntryThatCouldWriteOutsideTheBaseFolderStopsTheWholeExtract)
{
    writeArchives();
    salvixziptest::writeRawArchive(TestWorkstation::hostPath(m_archive),
                                   {{QStringLiteral("Tramex/Schede/UOMO.mdb"), "nuovo"},
                                    {GetParam().entryName, "ostile"},
                                    {QStringLiteral("Tramex/Nuovo.mdb"), "nuovo"}});
    TestWorkstation::makeFolder(QStringLiteral("C:\\Base"));
    const Outcome restored = extract(m_archive, QStringLiteral("C:\\Base"));
    EXPECT_EQ(restored.result, 52);
    EXPECT_TRUE(restored.errorText.contains(GetParam().entryName)) << restored.errorText.toStdString();
    expectArchivesAsWritten();
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Base")), QStringList());
    EXPECT_FALSE(QFileInfo::exists(m_station.inRoot(QStringLiteral("ostile"))));
    EXPECT_FALSE(QFileInfo::exists(m_station.inRoot(QStringLiteral("drive_c/ostile"))));
    EXPECT_FALSE(QFileInfo::exists(TestWorkstation::hostPath(QStringLiteral("C:\\Base\\Tramex"))));
}

INSTANTIATE_TEST_SUITE_P(Decompressor, RefusedEntryTest,
                         testing::Values(RefusedArchive{"Climbing", QStringLiteral("../ostile")},
                                         RefusedArchive{"ClimbingInside", QStringLiteral("Tramex/../../ostile")},
                                         RefusedArchive{"ClimbingWithBackslashes",
                                                        QStringLiteral("Tramex\\..\\..\\ostile")},
                                         RefusedArchive{"Absolute", QStringLiteral("/tmp/ostile")},
                                         RefusedArchive{"AbsoluteWindows", QStringLiteral("\\ostile")},
                                         RefusedArchive{"DriveLetter", QStringLiteral("C:/ostile")},
                                         RefusedArchive{"DriveRelative", QStringLiteral("C:ostile")},
                                         RefusedArchive{"Device", QStringLiteral("Tramex/CON")}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Damage {
    const char* name;
    // Where the archive is damaged, as a share of its length; a negative share cuts it there.
    double at;
};

void PrintTo(const Damage& row, std::ostream* out)
{
    *out << row.name;
}

class DamagedArchiveTest : public SalvixZipTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedArchiveTest, FailsAndLeavesEveryCurrentFileAsItWas)
{
    writeArchives();
    ASSERT_EQ(compress(m_archive, allPaths()).result, 0);
    const QString host = TestWorkstation::hostPath(m_archive);
    const qint64 length = QFileInfo(host).size();
    if (GetParam().at < 0)
        ASSERT_TRUE(QFile::resize(host, qint64(length * -GetParam().at)));
    else
        salvixziptest::flipByte(host, qint64(length * GetParam().at));
    // The current files differ from the archive's: a restore must not touch them.
    const QByteArray current = "archivio di oggi";
    for (const auto& file : m_files)
        TestWorkstation::writeFile(file.first, current);

    const Outcome restored = extract(m_archive, QStringLiteral("C:\\"));
    EXPECT_NE(restored.result, 0);
    EXPECT_FALSE(restored.errorText.isEmpty());
    for (const auto& file : m_files)
        EXPECT_EQ(TestWorkstation::readFile(file.first), current) << file.first.toStdString();
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Tramex\\Schede")).size(), 3);
}

// The first entry is sound and the second damaged, so a restore that replaced files one by one
// would already have changed UOMO.mdb.
INSTANTIATE_TEST_SUITE_P(Decompressor, DamagedArchiveTest,
                         testing::Values(Damage{"ByteInTheSecondEntry", 0.9}, Damage{"ByteInTheFirstEntry", 0.3},
                                         Damage{"Truncated", -0.95}, Damage{"HalfMissing", -0.5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SalvixZipTest, AFileInUseStopsTheRestoreBeforeAnyFileChanges)
{
    writeArchives();
    ASSERT_EQ(compress(m_archive, {m_files[0].first, m_files[1].first}).result, 0);
    TestWorkstation::writeFile(m_files[0].first, "oggi");
    TestWorkstation::writeFile(m_files[1].first, "oggi");
    {
        const platform::BinaryFile inUse(m_files[1].first, platform::BinaryFile::Mode::Read);
        const Outcome restored = extract(m_archive, QStringLiteral("C:\\"));
        EXPECT_EQ(restored.result, 70);
    }
    EXPECT_EQ(TestWorkstation::readFile(m_files[0].first), QByteArray("oggi"));
    EXPECT_EQ(TestWorkstation::readFile(m_files[1].first), QByteArray("oggi"));
    EXPECT_EQ(hostFolderNames(QStringLiteral("C:\\Tramex\\Schede")).size(), 3);
}

TEST_F(SalvixZipTest, ARestoreThatDoesNotFitOnTheDiskLeavesItAsItWas)
{
    TestWorkstation::writeFile(QStringLiteral("A:\\Vecchio.mdb"), "vecchio");
    salvixziptest::writeRawArchive(TestWorkstation::hostPath(m_archive),
                                   {{QStringLiteral("Vecchio.mdb"), sampleBytes(60000, 4)},
                                    {QStringLiteral("Grande.mdb"), sampleBytes(60000, 5)}});
    const Outcome restored = extract(m_archive, QStringLiteral("A:\\"));
    EXPECT_EQ(restored.result, 61);
    EXPECT_EQ(hostFolderNames(QStringLiteral("A:\\")), QStringList{QStringLiteral("Vecchio.mdb")});
    EXPECT_EQ(TestWorkstation::readFile(QStringLiteral("A:\\Vecchio.mdb")), QByteArray("vecchio"));
}

TEST_F(SalvixZipTest, AnArchiveWrittenOnAFullDiskFailsAndKeepsTheOldOne)
{
    TestWorkstation::makeFolder(QStringLiteral("C:\\Tramex"));
    QByteArray noise(70000, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    TestWorkstation::writeFile(QStringLiteral("C:\\Tramex\\Uno.mdb"), noise);
    TestWorkstation::writeFile(QStringLiteral("C:\\Tramex\\Due.mdb"), noise.sliced(10000) + noise.first(10000));
    const QString onDisk = QStringLiteral("A:\\Salvix.zip");
    TestWorkstation::writeFile(onDisk, QByteArray(60000, 'v'));

    const Outcome full =
        compress(onDisk, {QStringLiteral("C:\\Tramex\\Uno.mdb"), QStringLiteral("C:\\Tramex\\Due.mdb")});
    EXPECT_EQ(full.result, 61);
    EXPECT_EQ(TestWorkstation::readFile(onDisk), QByteArray(60000, 'v'));
    EXPECT_EQ(hostFolderNames(QStringLiteral("A:\\")), QStringList{QStringLiteral("Salvix.zip")});

    // The old archive's room counts as free for the new one.
    ASSERT_EQ(compress(onDisk, {QStringLiteral("C:\\Tramex\\Uno.mdb")}).result, 0);
    EXPECT_EQ(unzip({QStringLiteral("-tq"), TestWorkstation::hostPath(onDisk)}).exitCode, 0);
}

// The restore's extraction killed at random moments: every file is its old bytes or the
// archive's, never a mixture or a cut file.
TEST_F(SalvixZipTest, ARestoreKilledAtAnyMomentLeavesEveryFileOldOrNew)
{
    writeArchives();
    ASSERT_EQ(compress(m_archive, allPaths()).result, 0);
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE(seed);

    int killedBeforeReplacing = 0;
    for (int run = 1; run <= 12; ++run) {
        for (const auto& [path, bytes] : m_files)
            TestWorkstation::writeFile(path, "vecchio " + bytes.first(bytes.size() / 2));
        QProcess extraction;
        extraction.start(TestWorkstation::builtProgram(QStringLiteral("salvix_extract_helper")),
                         {m_station.root(), m_archive, QStringLiteral("C:\\")});
        ASSERT_TRUE(extraction.waitForStarted());
        QByteArray output = readOutputUntil(extraction, "extracting\n");
        QThread::usleep(random.bounded(4000));
        extraction.kill();
        ASSERT_TRUE(extraction.waitForFinished());
        output += extraction.readAllStandardOutput();
        ASSERT_TRUE(output.contains("extracting\n")) << output.toStdString();

        int replaced = 0;
        for (const auto& [path, bytes] : m_files) {
            const QByteArray now = TestWorkstation::readFile(path);
            EXPECT_TRUE(now == bytes || now == "vecchio " + bytes.first(bytes.size() / 2))
                << "run " << run << ": " << path.toStdString() << " holds " << now.size() << " other bytes";
            replaced += now == bytes ? 1 : 0;
        }
        if (output.contains("extracted 0\n"))
            EXPECT_EQ(replaced, int(m_files.size())) << "run " << run;
        else if (replaced == 0)
            ++killedBeforeReplacing;
    }
    RecordProperty("killed before replacing", killedBeforeReplacing);
}

} // namespace
