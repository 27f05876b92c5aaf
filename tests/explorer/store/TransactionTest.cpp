#include "StoreTestSupport.h"

#include <QThread>

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
        EXPECT_EQ(ENGINE_ERROR_OF(session.CommitTrans()), 0);
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
    EXPECT_EQ(ENGINE_ERROR_OF(session.CommitTrans()), 3034);
    EXPECT_EQ(ENGINE_ERROR_OF(session.Rollback()), 3034);
    session.Close();
    EXPECT_TRUE(keys().isEmpty());
    EXPECT_TRUE(values(other, QStringLiteral("Modelli")).isEmpty()) << "a database opened inside a transaction joins it";
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
    EXPECT_EQ(integrityOf(m_archive), QStringLiteral("ok"));
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_archive, true);
    EXPECT_EQ(database.OpenRecordset(QStringLiteral("Select * from SchedaModello WHERE PCMTV = 'K1'")).RecordCount(), 5);
    Recordset churned = database.OpenRecordset(QStringLiteral("SELECT count(*) FROM SchedaModello"));
    EXPECT_EQ((churned.Fields(0).Value().toLong() - 5) % 200, 0) << "no block is half written";
    session.Close();
    EXPECT_EQ(integrityOf(m_archive), QStringLiteral("ok"));
}

} // namespace
