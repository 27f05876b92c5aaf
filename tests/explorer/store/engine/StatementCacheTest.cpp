#include "explorer/store/engine/StatementCache.h"

#include <functional>

#include <sqlite3.h>

#include "tests/support/StoreTest.h"

using store::Database;
using store::Recordset;
using store::StatementCache;
using store::Workspace;

namespace {

// The cache on its own, over a connection to a database in memory.
class StatementCacheTest : public ::testing::Test {
protected:
    StatementCacheTest() { sqlite3_open(":memory:", &m_database); }
    ~StatementCacheTest() override
    {
        m_cache.close();
        EXPECT_EQ(sqlite3_close(m_database), SQLITE_OK) << "a statement was left unfinalized";
    }

    // A statement of the cache's when it kept one for sql, else a new one; lent out either way.
    sqlite3_stmt* lend(const QString& sql, int authorizer = 0)
    {
        if (sqlite3_stmt* kept = m_cache.lend(sql, authorizer).statement)
            return kept;
        sqlite3_stmt* statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        EXPECT_EQ(sqlite3_prepare_v3(m_database, utf8.constData(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr),
                  SQLITE_OK);
        m_cache.lent();
        return statement;
    }

    void giveBack(sqlite3_stmt* statement, const QString& sql, int authorizer = 0)
    {
        m_cache.giveBack({statement, nullptr}, sql, authorizer, m_cache.generation());
    }

    int statementsOfTheConnection() const
    {
        int count = 0;
        for (sqlite3_stmt* statement = sqlite3_next_stmt(m_database, nullptr); statement != nullptr;
             statement = sqlite3_next_stmt(m_database, statement))
            ++count;
        return count;
    }

    sqlite3* m_database = nullptr;
    StatementCache m_cache;
};

TEST_F(StatementCacheTest, KeepsNoMoreThanItsBoundTheLeastRecentlyUsedGoingFirst)
{
    const int statements = int(StatementCache::bound) + 5;
    for (int number = 0; number < statements; ++number) {
        const QString sql = QStringLiteral("SELECT %1").arg(number);
        giveBack(lend(sql), sql);
    }
    EXPECT_EQ(m_cache.size(), StatementCache::bound);
    EXPECT_EQ(statementsOfTheConnection(), int(StatementCache::bound)) << "those dropped are finalized";
    EXPECT_EQ(m_cache.lend(QStringLiteral("SELECT 4"), 0).statement, nullptr);
    sqlite3_stmt* recent = m_cache.lend(QStringLiteral("SELECT 5"), 0).statement;
    ASSERT_NE(recent, nullptr);
    giveBack(recent, QStringLiteral("SELECT 5"));
}

TEST_F(StatementCacheTest, AStatementComesBackResetWithoutItsValues)
{
    const QString sql = QStringLiteral("SELECT ?");
    sqlite3_stmt* statement = lend(sql);
    sqlite3_bind_int(statement, 1, 7);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    giveBack(statement, sql);
    EXPECT_FALSE(sqlite3_stmt_busy(statement));

    sqlite3_stmt* again = lend(sql);
    EXPECT_EQ(again, statement);
    ASSERT_EQ(sqlite3_step(again), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_type(again, 0), SQLITE_NULL);
    giveBack(again, sql);
}

// What happens to a statement between its first use and the next lend of its text.
struct BetweenLends {
    const char* name;
    std::function<void(StatementCache&)> change;
    int authorizer = 0; // of the second lend
    bool keptForIt = false;
};

void PrintTo(const BetweenLends& value, std::ostream* out)
{
    *out << value.name;
}

class StatementReuseTest : public StatementCacheTest, public ::testing::WithParamInterface<BetweenLends> {};

TEST_P(StatementReuseTest, ServesOnlyTheSameTextUnderTheSameAuthorizer)
{
    const QString sql = QStringLiteral("SELECT 1");
    sqlite3_stmt* statement = lend(sql);
    const unsigned generation = m_cache.generation();
    GetParam().change(m_cache);
    m_cache.giveBack({statement, nullptr}, sql, 0, generation);
    sqlite3_stmt* again = m_cache.lend(sql, GetParam().authorizer).statement;
    EXPECT_EQ(again != nullptr, GetParam().keptForIt);
    EXPECT_EQ(statementsOfTheConnection(), m_cache.size() + (again != nullptr ? 1 : 0)) << "nothing is left behind";
    if (again != nullptr)
        giveBack(again, sql, GetParam().authorizer);
}

INSTANTIATE_TEST_SUITE_P(
    Lends, StatementReuseTest,
    ::testing::Values(BetweenLends{"nothing", [](StatementCache&) {}, 0, true},
                      BetweenLends{"anotherAuthorizer", [](StatementCache&) {}, 1, false},
                      BetweenLends{"clearedWhileLent", [](StatementCache& cache) { cache.clear(); }, 0, false},
                      BetweenLends{"closedWhileLent", [](StatementCache& cache) { cache.close(); }, 0, false}),
    [](const ::testing::TestParamInfo<BetweenLends>& info) { return std::string(info.param.name); });

// The engine's statements, kept from one use to the next: what another connection does to the
// schema between them.
struct SchemaChange {
    const char* name;
    const char* sql;
    QStringList fields; // of the select after the change
    QStringList firstRow;
};

void PrintTo(const SchemaChange& value, std::ostream* out)
{
    *out << value.name;
}

class KeptStatementTest : public StoreTest, public ::testing::WithParamInterface<SchemaChange> {
protected:
    KeptStatementTest()
    {
        executePastTheEngine(m_archive, QStringLiteral("CREATE TABLE Colori (Nome TEXT, Codice INTEGER);"
                                                       "INSERT INTO Colori VALUES ('Rosso', 1)"));
    }

    // The fields, and the values of the first row, of the select in the open database.
    static std::pair<QStringList, QStringList> read(Database& database)
    {
        const Recordset rows = database.OpenRecordset(QStringLiteral("SELECT * FROM Colori WHERE Codice > 0"));
        QStringList fields, firstRow;
        for (int field = 0; field < rows.FieldCount(); ++field) {
            fields.append(rows.Fields(field).Name());
            if (!rows.Eof())
                firstRow.append(rows.Fields(field).Value().toString());
        }
        return {fields, firstRow};
    }

    const QString m_archive = cardArchive(QStringLiteral("Colori"));
};

TEST_P(KeptStatementTest, ReadsTheTableAsItIsWhenAnotherConnectionChangedIt)
{
    const std::pair<QStringList, QStringList> after{GetParam().fields, GetParam().firstRow};
    {
        Workspace session = workspace();
        Database database = session.OpenDatabase(m_archive);
        read(database);
        executePastTheEngine(m_archive, QString::fromUtf8(GetParam().sql));
        EXPECT_EQ(read(database), after) << "in the same open";
        database.Close();
    }
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_archive, false, true);
    EXPECT_EQ(read(database), after) << "in the next open";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, KeptStatementTest,
    ::testing::Values(SchemaChange{"columnAdded",
                                   "ALTER TABLE Colori ADD COLUMN Tono TEXT DEFAULT 'chiaro'",
                                   {QStringLiteral("Nome"), QStringLiteral("Codice"), QStringLiteral("Tono")},
                                   {QStringLiteral("Rosso"), QStringLiteral("1"), QStringLiteral("chiaro")}},
                      SchemaChange{"droppedAndMadeAgain",
                                   "DROP TABLE Colori; CREATE TABLE Colori (Codice INTEGER, Sigla TEXT, Nome TEXT);"
                                   "INSERT INTO Colori VALUES (2, 'BL', 'Blu')",
                                   {QStringLiteral("Codice"), QStringLiteral("Sigla"), QStringLiteral("Nome")},
                                   {QStringLiteral("2"), QStringLiteral("BL"), QStringLiteral("Blu")}},
                      SchemaChange{
                          "madeAView",
                          "DROP TABLE Colori; CREATE TABLE Tinte (Nome TEXT, Codice INTEGER);"
                          "INSERT INTO Tinte VALUES ('Verde', 3); CREATE VIEW Colori AS SELECT Codice, Nome FROM Tinte",
                          {QStringLiteral("Codice"), QStringLiteral("Nome")},
                          {QStringLiteral("3"), QStringLiteral("Verde")}}),
    [](const ::testing::TestParamInfo<SchemaChange>& info) { return std::string(info.param.name); });

TEST_F(KeptStatementTest, NoLockIsHeldBetweenOperations)
{
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_archive);
    Recordset rows = database.OpenRecordset(QStringLiteral("Colori"));
    rows.FindFirst(QStringLiteral("Nome = 'Rosso'"));
    EXPECT_FALSE(rows.NoMatch());
    executePastTheEngine(m_archive, QStringLiteral("INSERT INTO Colori VALUES ('Giallo', 4)"));
    rows.AddNew();
    rows.Fields(QStringLiteral("Nome")).SetValue(QStringLiteral("Nero"));
    rows.Update();
    executePastTheEngine(m_archive, QStringLiteral("INSERT INTO Colori VALUES ('Bianco', 5)"));
    database.Execute(QStringLiteral("DELETE * FROM Colori WHERE Nome = 'Giallo'"));
    executePastTheEngine(m_archive, QStringLiteral("INSERT INTO Colori VALUES ('Viola', 6)"));
    database.Close();
    executePastTheEngine(m_archive, QStringLiteral("DELETE FROM Colori WHERE Nome = 'Viola'"));
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT Nome FROM Colori ORDER BY Nome")),
              (QStringList{QStringLiteral("Bianco"), QStringLiteral("Nero"), QStringLiteral("Rosso")}));
}

} // namespace
