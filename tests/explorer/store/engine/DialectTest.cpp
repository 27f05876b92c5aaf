#include <algorithm>

#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/DatabaseFile.h"
#include "platform/Files.h"
#include "tests/support/StoreTest.h"

using store::Database;
using store::Workspace;

namespace {

class DialectTest : public StoreTest {
protected:
    DialectTest()
    {
        addCard(m_archive, QStringLiteral("A1"), 3);
        addCard(m_archive, QStringLiteral("A2"), 1);
        addCard(m_archive, QStringLiteral("B1"), 0);
        addCard(m_archive, QStringLiteral("it's"), 2);
    }

    // Runs a statement in its own workspace; returns RecordsAffected.
    int run(const QString& statement) const
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(m_archive);
        database.Execute(statement);
        return database.RecordsAffected();
    }

    QStringList keys(const QString& table = QStringLiteral("Modelli")) const
    {
        return values(m_archive, QStringLiteral("SELECT PCMTV FROM ") + table + QStringLiteral(" ORDER BY PCMTV"));
    }

    const QString m_archive = cardArchive(QStringLiteral("Dialect"));
};

struct ActionCase {
    const char* statement;
    int affected;
    const char* remainingKeys; // Modelli, comma-separated
};

void PrintTo(const ActionCase& c, std::ostream* out)
{
    *out << c.statement;
}

class ActionStatementTest : public DialectTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionStatementTest, RunsAndCountsTheRowsItAffected)
{
    EXPECT_EQ(run(QString::fromUtf8(GetParam().statement)), GetParam().affected);
    EXPECT_EQ(keys().join(QLatin1Char(',')), QString::fromUtf8(GetParam().remainingKeys));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, ActionStatementTest,
    ::testing::Values(ActionCase{"DELETE * FROM Modelli WHERE PCMTV = 'A1'", 1, "A2,B1,it's"},
                      ActionCase{"Delete * From Modelli where PCMTV='a2';", 1, "A1,B1,it's"},
                      ActionCase{"DELETE Modelli.* FROM Modelli WHERE PCMTV = \"B1\"", 1, "A1,A2,it's"},
                      ActionCase{"DELETE FROM [Modelli] WHERE [PCMTV] = 'it''s'", 1, "A1,A2,B1"},
                      ActionCase{"DELETE * FROM Modelli WHERE PCMTV LIKE 'A*'", 2, "B1,it's"},
                      ActionCase{"DELETE * FROM Modelli WHERE PCMTV LIKE '?1'", 2, "A2,it's"},
                      ActionCase{"DELETE * FROM Modelli WHERE PCMTV = 'ZZ'", 0, "A1,A2,B1,it's"},
                      ActionCase{"DELETE * FROM Modelli WHERE PCMTV = 'A1'' OR ''x''=''x'", 0, "A1,A2,B1,it's"},
                      ActionCase{"UPDATE Modelli SET DescCapo = 'Gonna' & ' ' & PCMTV WHERE PCMTV IN ('A1', 'B1')", 2,
                                 "A1,A2,B1,it's"},
                      ActionCase{"INSERT INTO Modelli (PCMTV, TagliaBase) VALUES ('C1', '42')", 1,
                                 "A1,A2,B1,C1,it's"}));

TEST_F(DialectTest, DeleteRemovesEveryRowOfTheKeyFromAPieceTable)
{
    EXPECT_EQ(run(QStringLiteral("Delete * From SchedaModello where PCMTV='A1';")), 3);
    EXPECT_EQ(keys(QStringLiteral("SchedaModello")).join(QLatin1Char(',')), QStringLiteral("A2,it's,it's"));
}

TEST_F(DialectTest, TextsAndDatesAndTruthValuesReadAsTheEngineWritesThem)
{
    run(QStringLiteral("UPDATE Modelli SET DescCapo = \"say \"\"ciao\"\"\" & '!' WHERE PCMTV = 'A1'"));
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT DescCapo FROM Modelli WHERE PCMTV = 'A1'")),
              QStringList{QStringLiteral("say \"ciao\"!")});
    EXPECT_EQ(
        values(m_archive, QStringLiteral("SELECT Digit FROM SchedaModello WHERE Digit Mod 2 = 0 AND PCMTV = 'A1'")),
        QStringList{QStringLiteral("2")});
    EXPECT_EQ(values(m_archive,
                     QStringLiteral(
                         "SELECT TOP 2 NumeroRiga FROM SchedaModello WHERE PCMTV = 'A1' ORDER BY NumeroRiga DESC")),
              (QStringList{QStringLiteral("3"), QStringLiteral("2")}));
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT True, False FROM Modelli WHERE PCMTV = 'A1'")),
              QStringList{QStringLiteral("-1")});
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT #12/31/2001 13:45:00# FROM Modelli WHERE PCMTV = 'A1'")),
              QStringList{QStringLiteral("2001-12-31 13:45:00")});
}

TEST_F(DialectTest, StatementsItCannotRunGiveTheEngineErrors)
{
    const struct {
        QString statement;
        int number;
    } cases[] = {
        {QStringLiteral("DELETE * FROM Modeli WHERE PCMTV = 'A1'"), 3078},
        {QStringLiteral("SELEC * FROM Modelli"), 3129},
        {QString(), 3129},
        {QStringLiteral("SELECT * FROM Modelli"), 3065},
        {QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = 'A1"), 3075},
        {QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = = 'A1'"), 3075},
        {QStringLiteral("DELETE * FROM Modelli WHERE Nascosto = 1"), 3061},
        {QStringLiteral("DELETE * FROM Modelli; DELETE * FROM SchedaModello"), 3142},
        {QStringLiteral("DELETE * WHERE PCMTV = 'A1'"), 3131},
        {QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = #32/13/2001#"), 3075},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RUNTIME_ERROR_OF(run(c.statement)), c.number) << c.statement.toStdString();
    EXPECT_EQ(RUNTIME_MESSAGE_OF(run(QStringLiteral("DELETE * FROM Modeli"))),
              QStringLiteral("The Microsoft Jet database engine cannot find the input table or query 'Modeli'.  Make "
                             "sure it exists and that its name is spelled correctly."));
    EXPECT_EQ(keys().size(), 4) << "no failing statement changed anything";
    Workspace session = workspace();
    EXPECT_EQ(RUNTIME_ERROR_OF(session.OpenDatabase(m_archive).OpenRecordset(QStringLiteral("DELETE * FROM Modelli"))),
              3219);
}

TEST_F(DialectTest, InsertFromASelectMatchesColumnsByName)
{
    executePastTheEngine(m_archive, QStringLiteral("CREATE TABLE Copia (GammaTaglie TEXT(100), DescCapo TEXT(30), "
                                                   "PCMTV TEXT(20), TagliaBase TEXT(3), DescVariante TEXT(30), "
                                                   "DescCollezione TEXT(30), Nota TEXT(10))"));
    EXPECT_EQ(run(QStringLiteral("INSERT INTO Copia SELECT * FROM Modelli WHERE PCMTV = 'A1'")), 1);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT DescCapo FROM Copia WHERE PCMTV = 'A1'")),
              QStringList{QStringLiteral("Giacca A1")});
    EXPECT_EQ(RUNTIME_ERROR_OF(run(QStringLiteral("INSERT INTO Copia SELECT PCMTV, 1 AS Altro FROM Modelli"))), 3127);
}

class CrossFileInsertTest : public DialectTest {
protected:
    QString copyStatement(const QString& table, const QString& target, const QString& key) const
    {
        return QStringLiteral("INSERT INTO  ") + table + QStringLiteral(" IN \"") + target +
               QStringLiteral("\" SELECT * FROM ") + table + QStringLiteral(" WHERE PCMTV = '") + key +
               QStringLiteral("'");
    }

    // Runs the copy with the source opened shared and read-only; returns RecordsAffected.
    int copy(const QString& table, const QString& target, const QString& key) const
    {
        Workspace session = workspace();
        Database source = session.OpenDatabase(m_archive, false, true);
        source.Execute(copyStatement(table, target, key));
        return source.RecordsAffected();
    }
};

TEST_F(CrossFileInsertTest, CopiesACardIntoAnotherFileMatchingColumnsByName)
{
    // The target lists the piece columns in another order than the source.
    QList<store::TableDefinition> tables = store::CardArchiveSchema::tables();
    std::reverse(tables[1].columns.begin(), tables[1].columns.end());
    const QString target = path(QStringLiteral("Reversed"));
    store::DatabaseFile::create(target, tables);

    EXPECT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);
    EXPECT_EQ(copy(QStringLiteral("SchedaModello"), folder + QStringLiteral("Reversed"), QStringLiteral("A1")), 3);
    EXPECT_EQ(copy(QStringLiteral("SchedaPiazzato"), target, QStringLiteral("A1")), 0) << "no rows is no error";

    EXPECT_EQ(values(target, QStringLiteral("SELECT SPN FROM SchedaModello ORDER BY NumeroRiga")),
              (QStringList{QStringLiteral("A1-1"), QStringLiteral("A1-2"), QStringLiteral("A1-3")}));
    EXPECT_EQ(values(target, QStringLiteral("SELECT Digit FROM SchedaModello ORDER BY NumeroRiga")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(values(target, QStringLiteral("SELECT DescCapo FROM Modelli")), QStringList{QStringLiteral("Giacca A1")});
    EXPECT_EQ(keys(QStringLiteral("SchedaModello")).size(), 6) << "the source keeps its rows";
}

TEST_F(CrossFileInsertTest, OnlyAddsRows)
{
    const QString target = cardArchive(QStringLiteral("Target"));
    addCard(target, QStringLiteral("A1"), 1);
    copy(QStringLiteral("SchedaModello"), target, QStringLiteral("A1"));
    EXPECT_EQ(
        values(target, QStringLiteral("SELECT SPN FROM SchedaModello ORDER BY SPN")),
        (QStringList{QStringLiteral("A1-1"), QStringLiteral("A1-1"), QStringLiteral("A1-2"), QStringLiteral("A1-3")}));
}

// The source's connection keeps the target attached from one copy to the next.
TEST_F(CrossFileInsertTest, TheNextCopyReachesTheFileNowAtTheTargetsPathAndReadsOnlyTheSource)
{
    QList<store::TableDefinition> tables = store::CardArchiveSchema::tables();
    store::TableDefinition onlyInTarget = tables[0];
    onlyInTarget.name = QStringLiteral("Extra");
    tables.append(onlyInTarget);
    const QString target = path(QStringLiteral("Target"));
    store::DatabaseFile::create(target, tables);
    ASSERT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);

    {
        Workspace session = workspace();
        Database source = session.OpenDatabase(m_archive, false, true);
        EXPECT_EQ(RUNTIME_ERROR_OF(source.Execute(QStringLiteral("INSERT INTO  Modelli IN \"") + target +
                                                  QStringLiteral("\" SELECT * FROM Extra"))),
                  3078);
    }
    ASSERT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);
    platform::files::rename(target, path(QStringLiteral("Renamed")));
    cardArchive(QStringLiteral("Target"));
    EXPECT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);
    platform::files::removeFile(target);
    cardArchive(QStringLiteral("Target"));
    EXPECT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);
    store::DatabaseFile::compact(target);
    EXPECT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1);

    EXPECT_EQ(values(target, QStringLiteral("SELECT PCMTV FROM Modelli")),
              (QStringList{QStringLiteral("A1"), QStringLiteral("A1")}));
    EXPECT_EQ(values(path(QStringLiteral("Renamed")), QStringLiteral("SELECT PCMTV FROM Modelli")),
              (QStringList{QStringLiteral("A1"), QStringLiteral("A1")}));
}

TEST_F(CrossFileInsertTest, TargetsItCannotWriteGiveTheEngineErrors)
{
    const QString target = cardArchive(QStringLiteral("Target"));
    QList<store::TableDefinition> narrow = store::CardArchiveSchema::tables();
    narrow[0].columns.removeLast();
    store::DatabaseFile::create(path(QStringLiteral("Narrow")), narrow);

    EXPECT_EQ(
        RUNTIME_ERROR_OF(copy(QStringLiteral("Modelli"), folder + QStringLiteral("Nope.mdb"), QStringLiteral("A1"))),
        3024);
    EXPECT_EQ(
        RUNTIME_ERROR_OF(copy(QStringLiteral("Modelli"), QStringLiteral("C:\\Nope\\T.mdb"), QStringLiteral("A1"))),
        3044);
    EXPECT_EQ(RUNTIME_MESSAGE_OF(copy(QStringLiteral("Modelli"), path(QStringLiteral("Narrow")), QStringLiteral("A1"))),
              QStringLiteral("The INSERT INTO statement contains the following unknown field name: 'GammaTaglie'.  "
                             "Make sure you have typed the name correctly, and try the operation again."));
    Workspace session = workspace();
    Database source = session.OpenDatabase(m_archive, false, true);
    EXPECT_EQ(RUNTIME_ERROR_OF(source.Execute(QStringLiteral("INSERT INTO  Modeli IN \"") + target +
                                              QStringLiteral("\" SELECT * FROM Modelli"))),
              3078);
    EXPECT_EQ(RUNTIME_ERROR_OF(source.Execute(QStringLiteral("INSERT INTO  Modelli IN \"") + target +
                                              QStringLiteral("\" SELECT * FROM Modeli"))),
              3078);
    EXPECT_TRUE(values(target, QStringLiteral("SELECT PCMTV FROM Modelli")).isEmpty());
}

TEST_F(CrossFileInsertTest, ATargetHeldExclusivelyIsRefusedAndLeftAlone)
{
    const QString target = cardArchive(QStringLiteral("Target"));
    {
        const auto other = holder(target, QStringLiteral("exclusive"));
        ASSERT_EQ(other->status(), QStringLiteral("open"));
        EXPECT_EQ(RUNTIME_MESSAGE_OF(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1"))),
                  QStringLiteral("Could not use 'C:\\Schede\\Target.mdb'; file already in use."));
    }
    {
        Workspace session = workspace();
        Database held = session.OpenDatabase(target, true);
        EXPECT_EQ(RUNTIME_ERROR_OF(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1"))), 3045);
    }
    {
        const auto other = holder(target, QStringLiteral("shared"));
        EXPECT_EQ(copy(QStringLiteral("Modelli"), target, QStringLiteral("A1")), 1)
            << "a shared holder does not stop it";
    }
    EXPECT_EQ(values(target, QStringLiteral("SELECT PCMTV FROM Modelli")), QStringList{QStringLiteral("A1")});
}

TEST_F(CrossFileInsertTest, OneDatabaseCopiesTimeAfterTimeAndInsideATransaction)
{
    const QString target = cardArchive(QStringLiteral("Target"));
    Workspace session = workspace();
    Database source = session.OpenDatabase(m_archive, false, true);
    for (const char* key : {"A1", "A2", "B1"})
        source.Execute(copyStatement(QStringLiteral("Modelli"), target, QString::fromLatin1(key)));
    session.BeginTrans();
    source.Execute(copyStatement(QStringLiteral("SchedaModello"), target, QStringLiteral("A1")));
    EXPECT_EQ(source.RecordsAffected(), 3);
    session.Rollback();
    EXPECT_EQ(values(target, QStringLiteral("SELECT PCMTV FROM Modelli ORDER BY PCMTV")),
              (QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B1")}));
    EXPECT_EQ(values(target, QStringLiteral("SELECT count(*) FROM SchedaModello")), QStringList{QStringLiteral("3")})
        << "the copy is committed into the target at once";
}

TEST_F(CrossFileInsertTest, CopiesWithinOneFile)
{
    EXPECT_EQ(copy(QStringLiteral("SchedaModello"), m_archive, QStringLiteral("A2")), 1);
    EXPECT_EQ(keys(QStringLiteral("SchedaModello")).count(QStringLiteral("A2")), 2);
}

} // namespace
