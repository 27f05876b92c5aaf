#include <functional>

#include <QDir>
#include <QFile>

#include "tests/support/StoreTest.h"

using store::Database;
using store::Workspace;

namespace {

class DatabasePathTest;

// What happens to the files and folders of C:\Schede\A.mdb between two opens of that path: the
// engine finds the first open's file again with one look, and must find what the path names
// then.
struct BetweenOpens {
    const char* name;
    std::function<void(DatabasePathTest&)> change;
    QStringList keys; // of the second open, or empty when it fails with error
    int error = 0;
};

void PrintTo(const BetweenOpens& value, std::ostream* out)
{
    *out << value.name;
}

class DatabasePathTest : public StoreTest, public ::testing::WithParamInterface<BetweenOpens> {
public:
    using StoreTest::addCard;
    using StoreTest::folder;
    using StoreTest::hostPath;

    const QString archive = path(QStringLiteral("A"));

    static QStringList keysOf(const QString& archivePath)
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(archivePath, false, true);
        store::Recordset rows = database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM Modelli"));
        QStringList keys;
        for (; !rows.Eof(); rows.MoveNext())
            keys.append(rows.Fields(QStringLiteral("PCMTV")).Value().toString());
        return keys;
    }

    // Renames the host entry of a Windows path past the engine and the platform's rules.
    void renameOnHost(const QString& windowsPath, const QString& newName)
    {
        QString from = hostPath(windowsPath);
        if (from.endsWith(u'/'))
            from.chop(1);
        ASSERT_TRUE(QFile::rename(from, QFileInfo(from).dir().filePath(newName)));
    }

    // Another archive holding only key, made under Windows name fileName beside A.mdb.
    void otherArchive(const QString& fileName, const QString& key)
    {
        const QString other = cardArchive(QStringLiteral("Other"));
        addCard(other, key);
        renameOnHost(other, fileName);
    }
};

TEST_P(DatabasePathTest, TheSecondOpenFindsWhatThePathNamesThen)
{
    cardArchive(QStringLiteral("A"));
    addCard(archive, QStringLiteral("K1"));
    ASSERT_EQ(keysOf(archive), QStringList{QStringLiteral("K1")});
    GetParam().change(*this);
    if (GetParam().error != 0) {
        EXPECT_EQ(RUNTIME_ERROR_OF(keysOf(archive)), GetParam().error);
        return;
    }
    EXPECT_EQ(keysOf(archive), GetParam().keys);
    EXPECT_EQ(keysOf(archive), GetParam().keys) << "once more";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DatabasePathTest,
    ::testing::Values(
        BetweenOpens{"nothing", [](DatabasePathTest&) {}, {QStringLiteral("K1")}},
        BetweenOpens{"fileRenamedInAnotherCase",
                     [](DatabasePathTest& test) { test.renameOnHost(test.archive, QStringLiteral("a.MDB")); },
                     {QStringLiteral("K1")}},
        BetweenOpens{"folderRenamedInAnotherCase",
                     [](DatabasePathTest& test) { test.renameOnHost(test.folder, QStringLiteral("SCHEDE")); },
                     {QStringLiteral("K1")}},
        BetweenOpens{"anotherFileInAnotherCaseBeside",
                     [](DatabasePathTest& test) { test.otherArchive(QStringLiteral("a.mdb"), QStringLiteral("K2")); },
                     {QStringLiteral("K1")}},
        BetweenOpens{"renamedAwayAndAnotherInAnotherCase",
                     [](DatabasePathTest& test) {
                         test.renameOnHost(test.archive, QStringLiteral("B.mdb"));
                         test.otherArchive(QStringLiteral("a.mdb"), QStringLiteral("K3"));
                     },
                     {QStringLiteral("K3")}},
        BetweenOpens{"removed", [](DatabasePathTest& test) { QFile::remove(test.hostPath(test.archive)); }, {}, 3024},
        BetweenOpens{"replacedByAFolder",
                     [](DatabasePathTest& test) {
                         QFile::remove(test.hostPath(test.archive));
                         QDir().mkpath(test.hostPath(test.archive));
                     },
                     {},
                     3024}),
    [](const ::testing::TestParamInfo<BetweenOpens>& info) { return std::string(info.param.name); });

} // namespace
