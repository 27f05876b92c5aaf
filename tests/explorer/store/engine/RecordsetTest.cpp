#include <QDateTime>

#include "explorer/store/engine/DatabaseFile.h"
#include "explorer/store/engine/FieldType.h"
#include "tests/support/StoreTest.h"

using automation::Variant;
using store::Database;
using store::Recordset;
using store::Workspace;

namespace {

class RecordsetTest : public StoreTest {
protected:
    RecordsetTest()
    {
        addCard(m_archive, QStringLiteral("A"), 0);
        addCard(m_archive, QStringLiteral("B"), 0);
        addCard(m_archive, QStringLiteral("C"), 0);
        m_database = m_session.OpenDatabase(m_archive);
    }

    Recordset open(const QString& select = QStringLiteral("SELECT * FROM Modelli ORDER BY PCMTV"))
    {
        return m_database.OpenRecordset(select);
    }

    static QString key(const Recordset& rows) { return rows.Fields(QStringLiteral("PCMTV")).Value().toString(); }

    const QString m_archive = cardArchive(QStringLiteral("Rows"));
    Workspace m_session = workspace();
    Database m_database;
};

TEST_F(RecordsetTest, MovesThroughTheRowsAndStopsAtBothEnds)
{
    Recordset rows = open();
    EXPECT_GE(rows.RecordCount(), 1);
    EXPECT_FALSE(rows.Bof());
    EXPECT_EQ(key(rows), QStringLiteral("A"));
    rows.MoveLast();
    EXPECT_EQ(rows.RecordCount(), 3);
    EXPECT_EQ(key(rows), QStringLiteral("C"));
    rows.MoveNext();
    EXPECT_TRUE(rows.Eof());
    EXPECT_FALSE(rows.Bof());
    EXPECT_EQ(RUNTIME_ERROR_OF(key(rows)), 3021);
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.MoveNext()), 3021);
    rows.MovePrevious();
    EXPECT_EQ(key(rows), QStringLiteral("C"));
    rows.MoveFirst();
    rows.MovePrevious();
    EXPECT_TRUE(rows.Bof());
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.MovePrevious()), 3021);
    rows.MoveNext();
    EXPECT_EQ(key(rows), QStringLiteral("A"));
}

TEST_F(RecordsetTest, AnEmptyRecordsetIsAtBothEndsAndHasNoCurrentRow)
{
    Recordset rows = open(QStringLiteral("Select * from Modelli WHERE PCMTV = 'X'"));
    EXPECT_TRUE(rows.Eof());
    EXPECT_TRUE(rows.Bof());
    EXPECT_EQ(rows.RecordCount(), 0);
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.MoveFirst()), 3021);
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.MoveLast()), 3021);
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Edit()), 3021);
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Delete()), 3021);
    EXPECT_EQ(RUNTIME_ERROR_OF(key(rows)), 3021);
}

TEST_F(RecordsetTest, FindsRowsByCriteriaIgnoringCaseAndKeepsTheRowWhenNothingMatches)
{
    Recordset rows = open();
    rows.FindFirst(QStringLiteral("PCMTV = 'b'"));
    EXPECT_FALSE(rows.NoMatch());
    EXPECT_EQ(key(rows), QStringLiteral("B"));
    rows.FindFirst(QStringLiteral("PCMTV = 'Z'"));
    EXPECT_TRUE(rows.NoMatch());
    EXPECT_EQ(key(rows), QStringLiteral("B"));
    rows.FindNext(QStringLiteral("PCMTV <> 'B'"));
    EXPECT_EQ(key(rows), QStringLiteral("C"));
    rows.FindPrevious(QStringLiteral("DescCapo LIKE '*a'"));
    EXPECT_EQ(key(rows), QStringLiteral("A"));
    rows.FindLast(QStringLiteral("PCMTV IN ('A', 'B') AND TagliaBase Is Null"));
    EXPECT_EQ(key(rows), QStringLiteral("B"));
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.FindFirst(QStringLiteral("PCMTV = "))), 3075);
}

TEST_F(RecordsetTest, AddNewStoresOneRowPerUpdateAndKeepsTheCurrentRow)
{
    Recordset rows = open();
    rows.MoveNext();
    rows.AddNew();
    rows.Fields(QStringLiteral("PCMTV")).SetValue(QStringLiteral("D"));
    EXPECT_EQ(rows.Fields(QStringLiteral("PCMTV")).Value().toString(), QStringLiteral("D"));
    EXPECT_TRUE(rows.Fields(QStringLiteral("DescCapo")).Value().isNull());
    rows.Update();
    EXPECT_EQ(key(rows), QStringLiteral("B"));
    EXPECT_EQ(rows.RecordCount(), 4);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT PCMTV FROM Modelli WHERE DescCapo Is Null")),
              QStringList{QStringLiteral("D")});
    rows.MoveLast();
    EXPECT_EQ(key(rows), QStringLiteral("D")) << "an added row joins the end of the recordset";
    rows.MoveFirst();
    rows.FindFirst(QStringLiteral("PCMTV = 'd' AND DescCapo Is Null"));
    EXPECT_FALSE(rows.NoMatch());

    rows.AddNew();
    rows.Fields(QStringLiteral("PCMTV")).SetValue(QStringLiteral("E"));
    rows.CancelUpdate();
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Update()), 3020);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT count(*) FROM Modelli")), QStringList{QStringLiteral("4")});
}

TEST_F(RecordsetTest, EditChangesTheCurrentRowAndMovingAwayDiscardsAnEdit)
{
    Recordset rows = open();
    rows.Edit();
    rows.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("Cappotto"));
    rows.Fields(QStringLiteral("DescCollezione")).SetValue(QStringLiteral("Lana più leggera, è così"));
    rows.Fields(QStringLiteral("TagliaBase")).SetValue(Variant::null());
    rows.Update();
    EXPECT_EQ(rows.Fields(QStringLiteral("DescCapo")).Value().toString(), QStringLiteral("Cappotto"));
    rows.MoveNext();
    rows.Edit();
    rows.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("Lost"));
    rows.MoveNext();
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Fields(QStringLiteral("DescCapo")).SetValue(QStringLiteral("x"))), 3020);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT DescCapo FROM Modelli ORDER BY PCMTV")),
              (QStringList{QStringLiteral("Cappotto"), QStringLiteral("Giacca B"), QStringLiteral("Giacca C")}));
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT DescCollezione FROM Modelli WHERE PCMTV = 'A'")),
              QStringList{QStringLiteral("Lana più leggera, è così")});
}

TEST_F(RecordsetTest, DeleteRemovesTheCurrentRowAndTheRecordsetMovesOnPastIt)
{
    Recordset rows = open();
    rows.MoveNext();
    rows.Delete();
    EXPECT_EQ(RUNTIME_ERROR_OF(key(rows)), 3167);
    EXPECT_EQ(rows.RecordCount(), 2);
    rows.MoveNext();
    EXPECT_EQ(key(rows), QStringLiteral("C"));
    rows.MovePrevious();
    EXPECT_EQ(key(rows), QStringLiteral("A"));
    // Deleting every row in turn, as an import drops rows it no longer needs.
    while (!rows.Eof()) {
        rows.Delete();
        rows.MoveNext();
    }
    EXPECT_EQ(rows.RecordCount(), 0);
    EXPECT_TRUE(values(m_archive, QStringLiteral("Modelli")).isEmpty());
}

TEST_F(RecordsetTest, TextsReadOutliveTheRecordsetAndChangeAlone)
{
    QString first;
    QString second;
    {
        Recordset rows = open();
        first = rows.Fields(QStringLiteral("DescCapo")).Value().toString();
        rows.MoveNext();
        second = rows.Fields(QStringLiteral("DescCapo")).Value().toString();
        rows.Close();
        m_session.Close();
    }
    first.append(QStringLiteral(" blu"));
    first[0] = QLatin1Char('g');
    EXPECT_EQ(first, QStringLiteral("giacca A blu"));
    EXPECT_EQ(second, QStringLiteral("Giacca B"));
    EXPECT_EQ(second.utf16()[second.size()], u'\0');
    second.append(QStringLiteral("ianco"));
    EXPECT_EQ(second, QStringLiteral("Giacca Bianco"));
    EXPECT_EQ(first, QStringLiteral("giacca A blu"));
}

TEST_F(RecordsetTest, ValuesAreCheckedAgainstTheirFields)
{
    Recordset pieces = open(QStringLiteral("SchedaModello"));
    pieces.AddNew();
    EXPECT_EQ(RUNTIME_ERROR_OF(pieces.Fields(QStringLiteral("Digit")).SetValue(QStringLiteral("abc"))), 3421);
    EXPECT_EQ(RUNTIME_ERROR_OF(pieces.Fields(QStringLiteral("Digit")).SetValue(QString())), 3421);
    EXPECT_EQ(RUNTIME_ERROR_OF(pieces.Fields(QStringLiteral("Nope"))), 3265);
    pieces.Fields(QStringLiteral("Digit")).SetValue(QStringLiteral(" 12 "));
    pieces.Fields(QStringLiteral("SPN")).SetValue(QString(21, QLatin1Char('x')));
    EXPECT_EQ(RUNTIME_ERROR_OF(pieces.Update()), 3163);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT count(*) FROM SchedaModello")),
              QStringList{QStringLiteral("0")});
    pieces.Fields(QStringLiteral("SPN")).SetValue(QString(20, QLatin1Char('x')));
    pieces.Fields(QStringLiteral("NumeroRiga")).SetValue(QStringLiteral("7"));
    pieces.Update();
    pieces.MoveFirst();
    EXPECT_EQ(pieces.Fields(QStringLiteral("NumeroRiga")).Value(), Variant::fromLong(7));
    EXPECT_EQ(pieces.Fields(QStringLiteral("SPN")).Value().toString().size(), 20);
    EXPECT_EQ(stored(m_archive, QStringLiteral("SELECT Digit FROM SchedaModello")), QStringLiteral("integer:12"));
    EXPECT_EQ(stored(m_archive, QStringLiteral("SELECT NumeroRiga FROM SchedaModello")), QStringLiteral("integer:7"));
    EXPECT_EQ(stored(m_archive, QStringLiteral("SELECT RuotaX FROM SchedaModello")), QStringLiteral("NULL"));
}

TEST_F(RecordsetTest, ADuplicateInAUniqueIndexIsRefused)
{
    m_database.Close();
    executePastTheEngine(m_archive, QStringLiteral("CREATE UNIQUE INDEX Chiave ON Modelli (PCMTV)"));
    m_database = m_session.OpenDatabase(m_archive);
    Recordset rows = open();
    rows.AddNew();
    rows.Fields(QStringLiteral("PCMTV")).SetValue(QStringLiteral("b"));
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Update()), 3022) << "keys compare ignoring case";
    EXPECT_EQ(RUNTIME_ERROR_OF(m_database.Execute(QStringLiteral("INSERT INTO Modelli (PCMTV) VALUES ('C')"))), 3022);
    EXPECT_EQ(rows.RecordCount(), 3);
    EXPECT_EQ(values(m_archive, QStringLiteral("SELECT count(*) FROM Modelli")), QStringList{QStringLiteral("3")});
}

TEST_F(RecordsetTest, AResultThatIsNoPlainTableIsReadOnlyWithTypesFromItsValues)
{
    Recordset counted = open(QStringLiteral("SELECT count(*) AS Quanti, max(PCMTV) AS Ultimo FROM Modelli"));
    EXPECT_FALSE(counted.Updatable());
    EXPECT_EQ(RUNTIME_ERROR_OF(counted.AddNew()), 3027);
    EXPECT_EQ(counted.Fields(QStringLiteral("quanti")).Type(), store::dbLong);
    EXPECT_EQ(counted.Fields(QStringLiteral("Quanti")).Value().toLong(), 3);
    EXPECT_EQ(counted.Fields(1).Value().toString(), QStringLiteral("C"));
    EXPECT_EQ(counted.Fields(1).Name(), QStringLiteral("Ultimo"));
    Recordset joined =
        open(QStringLiteral("SELECT m.PCMTV, p.SPN FROM Modelli m, SchedaModello p WHERE m.PCMTV = p.PCMTV"));
    EXPECT_FALSE(joined.Updatable());
}

class FieldTypeTest : public StoreTest {
protected:
    FieldTypeTest()
    {
        store::TableDefinition table{QStringLiteral("Tipi"), {}, {}};
        const std::pair<const char*, store::FieldType> columns[] = {
            {"Testo", store::dbText},     {"Lungo", store::dbLong},   {"Intero", store::dbInteger},
            {"Byte", store::dbByte},      {"SiNo", store::dbBoolean}, {"Doppio", store::dbDouble},
            {"Singolo", store::dbSingle}, {"Data", store::dbDate},    {"Memo", store::dbMemo},
        };
        for (const auto& [name, type] : columns)
            table.columns.append({QString::fromLatin1(name), type, type == store::dbText ? 12 : 0});
        store::DatabaseFile::create(m_path, {table});
    }
    const QString m_path = path(QStringLiteral("Types"));
};

TEST_F(FieldTypeTest, SizeAndTypeFollowTheDeclaredColumns)
{
    Workspace session = workspace();
    Recordset rows = session.OpenDatabase(m_path).OpenRecordset(QStringLiteral("Tipi"));
    const struct {
        const char* name;
        int type;
        int size;
    } expected[] = {{"Testo", 10, 12}, {"Lungo", 4, 4},   {"Intero", 3, 2}, {"Byte", 2, 1}, {"SiNo", 1, 1},
                    {"Doppio", 7, 8},  {"Singolo", 6, 4}, {"Data", 8, 8},   {"Memo", 12, 0}};
    for (const auto& field : expected) {
        EXPECT_EQ(rows.Fields(QString::fromLatin1(field.name)).Type(), field.type) << field.name;
        EXPECT_EQ(rows.Fields(QString::fromLatin1(field.name)).Size(), field.size) << field.name;
    }
}

TEST_F(FieldTypeTest, ValuesComeBackWithTheFieldsTypesAndYesNoStoresMinusOne)
{
    Workspace session = workspace();
    Database database = session.OpenDatabase(m_path);
    Recordset rows = database.OpenRecordset(QStringLiteral("Tipi"));
    const QDateTime when(QDate(2003, 4, 5), QTime(6, 7, 8));
    rows.AddNew();
    rows.Fields(QStringLiteral("SiNo")).SetValue(Variant::fromLong(5));
    rows.Fields(QStringLiteral("Intero")).SetValue(QStringLiteral("-300"));
    rows.Fields(QStringLiteral("Byte")).SetValue(Variant::fromLong(200));
    rows.Fields(QStringLiteral("Doppio")).SetValue(Variant::fromDouble(2.5));
    rows.Fields(QStringLiteral("Data")).SetValue(Variant::fromDate(when));
    rows.Fields(QStringLiteral("Testo")).SetValue(Variant::fromLong(42));
    EXPECT_EQ(RUNTIME_ERROR_OF(rows.Fields(QStringLiteral("Byte")).SetValue(Variant::fromLong(300))), 3421);
    rows.Update();
    rows.AddNew();
    rows.Fields(QStringLiteral("SiNo")).SetValue(Variant::fromBoolean(false));
    rows.Update();

    EXPECT_EQ(stored(m_path, QStringLiteral("SELECT SiNo FROM Tipi WHERE rowid = 1")), QStringLiteral("integer:-1"));
    EXPECT_EQ(stored(m_path, QStringLiteral("SELECT SiNo FROM Tipi WHERE rowid = 2")), QStringLiteral("integer:0"));
    Recordset read = database.OpenRecordset(QStringLiteral("SELECT * FROM Tipi WHERE SiNo = True"));
    ASSERT_EQ(read.RecordCount(), 1);
    EXPECT_EQ(read.Fields(QStringLiteral("SiNo")).Value(), Variant::fromBoolean(true));
    EXPECT_EQ(read.Fields(QStringLiteral("Intero")).Value(), Variant::fromInteger(-300));
    EXPECT_EQ(read.Fields(QStringLiteral("Byte")).Value(), Variant::fromByte(200));
    EXPECT_EQ(read.Fields(QStringLiteral("Doppio")).Value(), Variant::fromDouble(2.5));
    EXPECT_EQ(read.Fields(QStringLiteral("Data")).Value().toDate(), when);
    EXPECT_EQ(read.Fields(QStringLiteral("Testo")).Value(), Variant(QStringLiteral("42")));
    EXPECT_TRUE(read.Fields(QStringLiteral("Memo")).Value().isNull());
    read.FindFirst(QStringLiteral("Data = #4/5/2003 6:07:08#"));
    EXPECT_FALSE(read.NoMatch());
}

} // namespace

namespace {

// A table whose key is a text column, as a configuration database's users are.
class KeyedTableTest : public StoreTest {
protected:
    KeyedTableTest()
    {
        store::DatabaseFile::create(
            m_path, {{QStringLiteral("Utenti"),
                      {{QStringLiteral("Login"), store::dbText, 20}, {QStringLiteral("Nome"), store::dbText, 20}},
                      {},
                      {QStringLiteral("Login")}}});
    }

    // Adds a row, or changes the login of the row found by `editing`.
    void store(const Variant& login, const QString& editing = QString())
    {
        Workspace session = workspace();
        Recordset rows = session.OpenDatabase(m_path).OpenRecordset(QStringLiteral("Utenti"));
        if (editing.isEmpty()) {
            rows.AddNew();
            rows.Fields(QStringLiteral("Nome")).SetValue(QStringLiteral("Mario"));
        } else {
            rows.FindFirst(QStringLiteral("Login = '") + editing + QStringLiteral("'"));
            rows.Edit();
        }
        rows.Fields(QStringLiteral("Login")).SetValue(login);
        rows.Update();
    }

    const QString m_path = path(QStringLiteral("Keyed"));
};

TEST_F(KeyedTableTest, RefusesASecondRowWithTheKeyInAnyCaseAndARowWithoutIt)
{
    store(QStringLiteral("mrossi"));
    store(QStringLiteral("lverdi"));
    EXPECT_EQ(RUNTIME_ERROR_OF(store(QStringLiteral("mrossi"))), 3022);
    EXPECT_EQ(RUNTIME_ERROR_OF(store(QStringLiteral("MRossi"))), 3022);
    EXPECT_EQ(RUNTIME_ERROR_OF(store(QStringLiteral("mrossi"), QStringLiteral("lverdi"))), 3022);
    EXPECT_EQ(RUNTIME_ERROR_OF(store(Variant::null())), 3314);
    store(QStringLiteral("luca.verdi"), QStringLiteral("lverdi"));
    EXPECT_EQ(stored(m_path,
                     QStringLiteral("SELECT group_concat(Login, ',') FROM (SELECT Login FROM Utenti ORDER BY rowid)")),
              QStringLiteral("text:mrossi,luca.verdi"));
}

} // namespace
