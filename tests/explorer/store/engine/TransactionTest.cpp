#include <QFile>
#include <QThread>

#include <sqlite3.h>

#include "tests/support/StoreTest.h"

using store::Database;
using store::Recordset;
using store::Workspace;

namespace {

class TransactionTest : public StoreTest {
protected:
    void addHeader(Database& database, const QString& key)
    {
        Recordset rows = database.OpenRecordset(QStringLiteral("Modelli"));
        rows.AddNew();
        rows.Fields(QStringLiteral("PCMTV")).SetValue(key);
        rows.Update();
    }

    QStringList keys() const { return values(m_archive, QStringLiteral("SELECT PCMTV FROM Modelli ORDER BY PCMTV")); }

    const QString m_archive = cardArchive(QStringLiteral("T"));
};

TEST_F(TransactionTest, CommittedRowsStayAndRolledBackRowsGo)
{
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_archive);
    session.BeginTrans();
    addHeader(database, QStringLiteral("KEPT"));
    session.CommitTrans();
    session.BeginTrans();
    addHeader(database, QStringLiteral("GONE"));
    database.Execute(QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = 'KEPT'"));
    session.Rollback();
    session.Close();
    EXPECT_EQ(keys(), QStringList{QStringLiteral("KEPT")});
}

TEST_F(TransactionTest, ClosingTheWorkspaceOrDroppingItDiscardsWhatWasNotCommitted)
{
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(m_archive);
        session.BeginTrans();
        addHeader(database, QStringLiteral("CLOSED"));
        session.Close();
    }
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(m_archive);
        session.BeginTrans();
        addHeader(database, QStringLiteral("DROPPED"));
    }
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(m_archive);
        session.BeginTrans();
        addHeader(database, QStringLiteral("DATABASE CLOSED"));
        database.Close();
        EXPECT_EQ(RUNTIME_ERROR_OF(session.CommitTrans()), 0);
    }
    EXPECT_TRUE(keys().isEmpty());
}

TEST_F(TransactionTest, NestedTransactionsAndDatabasesOpenedInsideOne)
{
    Workspace session = workspace();
    Database first = session.OpenDatabase(m_archive);
    session.BeginTrans();
    addHeader(first, QStringLiteral("OUTER"));
    session.BeginTrans();
    addHeader(first, QStringLiteral("INNER"));
    session.Rollback();
    const QString other = cardArchive(QStringLiteral("Other"));
    Database second = session.OpenDatabase(other);
    addHeader(second, QStringLiteral("JOINED"));
    session.Rollback();
    EXPECT_EQ(RUNTIME_ERROR_OF(session.CommitTrans()), 3034);
    EXPECT_EQ(RUNTIME_ERROR_OF(session.Rollback()), 3034);
    session.Close();
    EXPECT_TRUE(keys().isEmpty());
    EXPECT_TRUE(values(other, QStringLiteral("Modelli")).isEmpty())
        << "a database opened inside a transaction joins it";
}

// A copy into a file that the workspace has open for writing goes through that database: it
// joins the workspace's transaction and goes with a rollback.
TEST_F(TransactionTest, ACopyIntoAFileTheWorkspaceHasOpenJoinsItsTransaction)
{
    const QString source = cardArchive(QStringLiteral("Source"));
    addCard(source, QStringLiteral("K1"), 3);
    const QString copyPieces = QStringLiteral("INSERT INTO  SchedaModello IN \"") + m_archive +
                               QStringLiteral("\" SELECT * FROM SchedaModello WHERE PCMTV = 'K1'");
    for (const bool commit : {false, true}) {
        Workspace session = workspace();
        Database target = session.OpenDatabase(m_archive);
        session.BeginTrans();
        addHeader(target, QStringLiteral("K1"));
        Database from = session.OpenDatabase(source, false, true);
        from.Execute(copyPieces);
        EXPECT_EQ(from.RecordsAffected(), 3);
        from.Close();
        commit ? session.CommitTrans() : session.Rollback();
        session.Close();
        EXPECT_EQ(values(m_archive, QStringLiteral("SELECT count(*) FROM SchedaModello")),
                  QStringList{commit ? QStringLiteral("3") : QStringLiteral("0")});
        EXPECT_EQ(keys(), commit ? QStringList{QStringLiteral("K1")} : QStringList{});
    }
}

TEST_F(TransactionTest, AProcessKilledWhileWritingLeavesASoundFile)
{
    addCard(m_archive, QStringLiteral("K1"), 5);
    {
        auto writer = holder(m_archive, QStringLiteral("churn"));
        ASSERT_EQ(writer->status(), QStringLiteral("open"));
        QThread::msleep(700);
        writer->kill();
    }
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_archive, true);
    EXPECT_EQ(database.OpenRecordset(QStringLiteral("Select * from SchedaModello WHERE PCMTV = 'K1'")).RecordCount(),
              5);
    Recordset churned = database.OpenRecordset(QStringLiteral("SELECT count(*) FROM SchedaModello"));
    EXPECT_EQ((churned.Fields(0).Value().toLong() - 5) % 200, 0) << "no block is half written";
    session.Close();
    EXPECT_EQ(integrityOf(m_archive), QStringLiteral("ok"));
}

TEST_F(TransactionTest, AWriteCutShortIsUndoneBeforeAReadOnlyOpenReadsTheFile)
{
    addCard(m_archive, QStringLiteral("K1"), 2);
    // A copy of the file and its journal taken in the middle of a large write is what a crash leaves.
    const QString host = hostPath(m_archive);
    const QString crashed = hostPath(folder) + QStringLiteral("/Crashed.mdb");
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(host.toUtf8().constData(), &writer), SQLITE_OK);
    sqlite3_exec(writer, "PRAGMA cache_size=1; BEGIN; DELETE FROM SchedaModello;", nullptr, nullptr, nullptr);
    for (int row = 0; row < 300; ++row)
        sqlite3_exec(writer, "INSERT INTO Modelli (PCMTV, GammaTaglie) VALUES ('HALF', hex(randomblob(40)))", nullptr,
                     nullptr, nullptr);
    ASSERT_TRUE(QFile::exists(host + QStringLiteral("-journal")));
    ASSERT_TRUE(QFile::copy(host, crashed));
    ASSERT_TRUE(QFile::copy(host + QStringLiteral("-journal"), crashed + QStringLiteral("-journal")));
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);

    EXPECT_EQ(values(folder + QStringLiteral("Crashed"), QStringLiteral("SELECT count(*) FROM Modelli")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(values(folder + QStringLiteral("Crashed"), QStringLiteral("SELECT count(*) FROM SchedaModello")),
              QStringList{QStringLiteral("2")});
    EXPECT_FALSE(QFile::exists(crashed + QStringLiteral("-journal")));
    EXPECT_EQ(integrityOf(folder + QStringLiteral("Crashed.mdb")), QStringLiteral("ok"));
}

} // namespace
