#include <functional>

#include <QDir>
#include <QFile>

#include "explorer/store/engine/DatabaseFile.h"
#include "explorer/store/engine/KeptConnections.h"
#include "platform/Files.h"
#include "tests/support/StoreTest.h"

using store::Database;
using store::Workspace;

namespace {

class KeptConnectionTest;

// What happens to an archive between two opens of it, each closed again, and what the second open
// then reads: the engine keeps the first open's connection, and must not read through it what
// the file no longer is.
struct BetweenOpens {
    const char* name;
    std::function<void(KeptConnectionTest&)> change;
    QStringList keys; // of the second open, or empty when it fails with error
    int error = 0;
};

void PrintTo(const BetweenOpens& value, std::ostream* out)
{
    *out << value.name;
}

class KeptConnectionTest : public StoreTest, public ::testing::WithParamInterface<BetweenOpens> {
public:
    using StoreTest::addCard;
    using StoreTest::cardArchive;
    using StoreTest::hostPath;
    using StoreTest::path;

    const QString archive = path(QStringLiteral("A"));

    static QStringList keysThroughTheEngine(const QString& archivePath, bool readOnly = false)
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(archivePath, false, readOnly);
        store::Recordset rows = database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM Modelli ORDER BY PCMTV"));
        QStringList keys;
        for (; !rows.Eof(); rows.MoveNext())
            keys.append(rows.Fields(QStringLiteral("PCMTV")).Value().toString());
        database.Close();
        return keys;
    }

    // The bytes of another archive holding only the card key, written over the archive's own.
    void overwriteInPlace(const QString& key)
    {
        const QString other = cardArchive(QStringLiteral("Other"));
        addCard(other, key);
        QFile source(hostPath(other));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QFile target(hostPath(archive));
        ASSERT_TRUE(target.open(QIODevice::ReadWrite));
        target.write(source.readAll());
        target.resize(source.size());
    }

    void addCardPastTheEngine(const QString& key)
    {
        executePastTheEngine(archive, QStringLiteral("INSERT INTO Modelli (PCMTV) VALUES ('%1')").arg(key));
    }
};

TEST_P(KeptConnectionTest, TheSecondOpenReadsWhatTheFileIsThen)
{
    cardArchive(QStringLiteral("A"));
    addCard(archive, QStringLiteral("K1"));
    ASSERT_EQ(keysThroughTheEngine(archive), QStringList{QStringLiteral("K1")});
    GetParam().change(*this);
    if (GetParam().error != 0) {
        EXPECT_EQ(RUNTIME_ERROR_OF(keysThroughTheEngine(archive)), GetParam().error);
        return;
    }
    EXPECT_EQ(keysThroughTheEngine(archive), GetParam().keys);
    EXPECT_EQ(keysThroughTheEngine(archive, true), GetParam().keys) << "read-only";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, KeptConnectionTest,
    ::testing::Values(
        BetweenOpens{"nothing", [](KeptConnectionTest&) {}, {QStringLiteral("K1")}},
        BetweenOpens{"changedByAnotherProgram",
                     [](KeptConnectionTest& test) { test.addCardPastTheEngine(QStringLiteral("K2")); },
                     {QStringLiteral("K1"), QStringLiteral("K2")}},
        BetweenOpens{"compacted",
                     [](KeptConnectionTest& test) {
                         store::DatabaseFile::compact(test.archive);
                         test.addCardPastTheEngine(QStringLiteral("K3"));
                     },
                     {QStringLiteral("K1"), QStringLiteral("K3")}},
        BetweenOpens{"renamedAndReplaced",
                     [](KeptConnectionTest& test) {
                         platform::files::rename(test.archive, test.path(QStringLiteral("B")));
                         test.cardArchive(QStringLiteral("A"));
                         test.addCard(test.archive, QStringLiteral("K4"));
                     },
                     {QStringLiteral("K4")}},
        BetweenOpens{"deletedAndMadeAgain",
                     [](KeptConnectionTest& test) {
                         platform::files::removeFile(test.archive);
                         test.cardArchive(QStringLiteral("A"));
                         test.addCard(test.archive, QStringLiteral("K5"));
                     },
                     {QStringLiteral("K5")}},
        BetweenOpens{"deleted", [](KeptConnectionTest& test) { platform::files::removeFile(test.archive); }, {}, 3024},
        BetweenOpens{"overwrittenInPlace",
                     [](KeptConnectionTest& test) { test.overwriteInPlace(QStringLiteral("K6")); },
                     {QStringLiteral("K6")}},
        BetweenOpens{"overwrittenWithText",
                     [](KeptConnectionTest& test) {
                         QFile file(test.hostPath(test.archive));
                         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                         file.write("no database any more");
                     },
                     {},
                     3343}),
    [](const ::testing::TestParamInfo<BetweenOpens>& info) { return std::string(info.param.name); });

TEST_F(KeptConnectionTest, AKeptConnectionServesReadOnlyAndWritingOpensAsANewOneWould)
{
    cardArchive(QStringLiteral("A"));
    addCard(archive, QStringLiteral("K1"));
    keysThroughTheEngine(archive, true);
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(archive);
        database.Execute(QStringLiteral("DELETE * FROM Modelli"));
        EXPECT_EQ(database.RecordsAffected(), 1);
    }
    addCard(archive, QStringLiteral("K2"));
    Workspace session = workspace();
    Database database = session.OpenDatabase(archive, false, true);
    EXPECT_EQ(RUNTIME_ERROR_OF(database.Execute(QStringLiteral("DELETE * FROM Modelli"))), 3027);
    EXPECT_EQ(database.Name(), folder + QStringLiteral("A.mdb"));
}

TEST_F(KeptConnectionTest, AFileOverwrittenWhileOpenReadOnlyIsReadAfresh)
{
    cardArchive(QStringLiteral("A"));
    addCard(archive, QStringLiteral("K1"));
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(archive, false, true);
        EXPECT_EQ(database.OpenRecordset(QStringLiteral("Modelli")).RecordCount(), 1);
        overwriteInPlace(QStringLiteral("K7"));
        database.Close();
    }
    EXPECT_EQ(keysThroughTheEngine(archive, true), QStringList{QStringLiteral("K7")});
}

TEST_F(KeptConnectionTest, AFileOverwrittenWithTextWhileOpenIsRefusedAtTheNextOpen)
{
    for (const bool readOnly : {true, false}) {
        const QString overwritten = cardArchive(readOnly ? QStringLiteral("R") : QStringLiteral("W"));
        addCard(overwritten, QStringLiteral("K1"));
        keysThroughTheEngine(overwritten, true);
        {
            Workspace session = workspace();
            Database database = session.OpenDatabase(overwritten, false, readOnly);
            QFile file(hostPath(overwritten));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("no database any more");
            file.close();
            database.Close();
        }
        EXPECT_EQ(RUNTIME_ERROR_OF(keysThroughTheEngine(overwritten, true)), 3343) << "read-only " << readOnly;
    }
}

TEST_F(KeptConnectionTest, WhatATransactionLeftUncommittedIsNotKept)
{
    cardArchive(QStringLiteral("A"));
    addCard(archive, QStringLiteral("K1"));
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(archive);
        session.BeginTrans();
        database.Execute(QStringLiteral("DELETE * FROM Modelli"));
    }
    EXPECT_EQ(keysThroughTheEngine(archive), QStringList{QStringLiteral("K1")});
    EXPECT_EQ(holder(archive, QStringLiteral("exclusive"))->status(), QStringLiteral("open"))
        << "no lock is left behind";
}

TEST_F(KeptConnectionTest, OnlyAFewConnectionsAreKept)
{
    const int archives = int(store::KeptConnections::bound) + 4;
    for (int number = 0; number < archives; ++number)
        keysThroughTheEngine(cardArchive(QStringLiteral("N%1").arg(number)));
    int descriptors = 0;
    const QString archiveFolder = QDir(hostPath(folder)).canonicalPath();
    for (const QFileInfo& entry : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files)) {
        if (entry.symLinkTarget().startsWith(archiveFolder))
            ++descriptors;
    }
    EXPECT_LE(descriptors, int(store::KeptConnections::bound));
    store::KeptConnections::instance().clear();
}

} // namespace
