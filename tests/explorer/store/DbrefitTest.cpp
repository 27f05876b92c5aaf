#include <algorithm>

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QThread>

#include "explorer/store/engine/FieldType.h"
#include "tests/support/StoreTest.h"

using store::Database;
using store::Recordset;
using store::Workspace;

namespace {

class DbrefitTest : public StoreTest {
protected:
    struct Result {
        int exitCode;
        QString errors;
    };

    Result dbrefit(const QString& argument) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), root());
        process.setProcessEnvironment(environment);
        process.start(TestWorkstation::builtProgram(QStringLiteral("Dbrefit")), {argument});
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QByteArray contentOf(const QString& windowsPath) const
    {
        QFile file(hostPath(windowsPath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList hiddenLeftovers()
    {
        QStringList names = QDir(hostPath(folder)).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot);
        names.removeIf([](const QString& name) { return !name.startsWith(u'.'); });
        return names;
    }
};

TEST_F(DbrefitTest, CreatesAnEmptyCardArchiveWithTheThreeTables)
{
    ASSERT_EQ(dbrefit(QStringLiteral("create,C:\\Schede\\NUOVO.Mdb")).exitCode, 0);
    Workspace session = workspace();
    Database database = session.OpenDatabase(folder + QStringLiteral("NUOVO"), true);
    const struct {
        const char* table;
        const char* field;
        int type;
        int size;
    } fields[] = {
        {"Modelli", "PCMTV", store::dbText, 20},
        {"Modelli", "GammaTaglie", store::dbText, 100},
        {"Modelli", "TagliaBase", store::dbText, 3},
        {"SchedaModello", "NumeroRiga", store::dbLong, 4},
        {"SchedaModello", "Digit", store::dbLong, 4},
        {"SchedaModello", "Osservazioni", store::dbText, 35},
        {"SchedaPiazzato", "NumeroRiga", store::dbLong, 4},
        {"SchedaPiazzato", "Taglie", store::dbText, 50},
        {"SchedaPiazzato", "TotalePezzi", store::dbText, 10},
    };
    for (const auto& f : fields) {
        Recordset rows = database.OpenRecordset(QString::fromLatin1(f.table));
        EXPECT_EQ(rows.RecordCount(), 0);
        EXPECT_EQ(rows.Fields(QString::fromLatin1(f.field)).Type(), f.type) << f.table << "." << f.field;
        EXPECT_EQ(rows.Fields(QString::fromLatin1(f.field)).Size(), f.size) << f.table << "." << f.field;
    }
    EXPECT_EQ(database.OpenRecordset(QStringLiteral("Modelli")).FieldCount(), 6);
    EXPECT_EQ(database.OpenRecordset(QStringLiteral("SchedaModello")).FieldCount(), 10);
    EXPECT_EQ(database.OpenRecordset(QStringLiteral("SchedaPiazzato")).FieldCount(), 22);
    session.Close();
    addCard(folder + QStringLiteral("NUOVO.Mdb"), QStringLiteral("SAME"));
    addCard(folder + QStringLiteral("NUOVO.Mdb"), QStringLiteral("SAME"));
    EXPECT_EQ(values(folder + QStringLiteral("NUOVO"), QStringLiteral("SELECT count(*) FROM Modelli")),
              QStringList{QStringLiteral("2")})
        << "the key index is not unique";
    EXPECT_EQ(stored(folder + QStringLiteral("NUOVO.Mdb"),
                     QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql LIKE '%PCMTV%'")),
              QStringLiteral("integer:3"));
    EXPECT_TRUE(hiddenLeftovers().isEmpty());
}

TEST_F(DbrefitTest, CreatesTheConfigurationDatabaseWithItsUsersKeyedByLogin)
{
    ASSERT_EQ(dbrefit(QStringLiteral("create,C:\\Schede\\tramex config")).exitCode, 0);
    const QString path = folder + QStringLiteral("Tramex Config.mdb");
    Workspace session = workspace();
    Recordset rows = session.OpenDatabase(path).OpenRecordset(QStringLiteral("Operatori"));
    QStringList columns;
    for (int column = 0; column < rows.FieldCount(); ++column)
        columns.append(rows.Fields(column).Name() + u':' + QString::number(rows.Fields(column).Type()));
    EXPECT_EQ(columns.join(u' '),
              QStringLiteral("Login:10 Nome:10 Cognome:10 Password:10 SoloLettura:1 Stampa:1 ModificaSchedaModello:1 "
                             "ModificaSchedaPiazzato:1 EditConfigurazione:1 CancellaSchede:1 "
                             "EditTabelleTipoModello:1 CreaNuovaScheda:1"));
    EXPECT_EQ(rows.RecordCount(), 0);
    for (const char* login : {"mrossi", "MROSSI"}) {
        rows.AddNew();
        rows.Fields(QStringLiteral("Login")).SetValue(QString::fromLatin1(login));
        if (login[0] == 'm')
            rows.Update();
        else
            EXPECT_EQ(RUNTIME_ERROR_OF(rows.Update()), 3022);
    }
    session.Close();
    EXPECT_EQ(values(path, QStringLiteral("SELECT Login FROM Operatori")), QStringList{QStringLiteral("mrossi")});
}

TEST_F(DbrefitTest, ConvertCompactsInPlaceAndKeepsEveryRow)
{
    const QString archive = cardArchive(QStringLiteral("Grande"));
    for (int card = 0; card < 40; ++card)
        addCard(archive, QStringLiteral("K%1").arg(card), 20);
    execute(archive, QStringLiteral("DELETE * FROM SchedaModello WHERE PCMTV <> 'K7'"));
    const qint64 before = QFile(hostPath(archive)).size();

    ASSERT_EQ(dbrefit(QStringLiteral("convert,C:\\Schede\\Grande")).exitCode, 0);
    EXPECT_LT(QFile(hostPath(archive)).size(), before);
    EXPECT_EQ(integrityOf(archive), QStringLiteral("ok"));
    EXPECT_EQ(values(archive, QStringLiteral("SELECT count(*) FROM Modelli")), QStringList{QStringLiteral("40")});
    EXPECT_EQ(values(archive, QStringLiteral("SELECT sum(Digit) FROM SchedaModello WHERE PCMTV = 'K7'")),
              QStringList{QStringLiteral("210")});

    ASSERT_EQ(dbrefit(QStringLiteral("convert,C:\\Schede\\Grande.mdb")).exitCode, 0);
    EXPECT_EQ(values(archive, QStringLiteral("SELECT count(*) FROM SchedaModello")), QStringList{QStringLiteral("20")});
    EXPECT_TRUE(hiddenLeftovers().isEmpty());
}

// A compaction killed at random moments, many times: the archive stays sound with every row,
// and the next compaction that runs to its end leaves nothing beside it.
TEST_F(DbrefitTest, ACompactionKilledAtAnyMomentLosesNothingAndTheNextLeavesNoLeftovers)
{
    const QString archive = cardArchive(QStringLiteral("Grande"));
    for (int card = 0; card < 60; ++card)
        addCard(archive, QStringLiteral("K%1").arg(card), 30);
    const QString argument = QStringLiteral("convert,C:\\Schede\\Grande");
    QElapsedTimer whole;
    whole.start();
    ASSERT_EQ(dbrefit(argument).exitCode, 0);
    const QStringList digits = values(archive, QStringLiteral("SELECT sum(Digit) FROM SchedaModello"));
    const int wholeMicroseconds = int(std::max<qint64>(whole.nsecsElapsed() / 1000, 1000));
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE(seed);

    int cutMidway = 0;
    for (int run = 1; run <= 15; ++run) {
        QProcess compaction;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), root());
        compaction.setProcessEnvironment(environment);
        compaction.start(TestWorkstation::builtProgram(QStringLiteral("Dbrefit")), {argument});
        ASSERT_TRUE(compaction.waitForStarted());
        QThread::usleep(random.bounded(wholeMicroseconds));
        compaction.kill();
        ASSERT_TRUE(compaction.waitForFinished(30000));
        if (compaction.exitStatus() == QProcess::CrashExit && !hiddenLeftovers().isEmpty())
            ++cutMidway;

        EXPECT_EQ(integrityOf(archive), QStringLiteral("ok")) << "run " << run;
        EXPECT_EQ(values(archive, QStringLiteral("SELECT count(*) FROM Modelli")), QStringList{QStringLiteral("60")})
            << "run " << run;
        EXPECT_EQ(values(archive, QStringLiteral("SELECT count(*) FROM SchedaModello")),
                  QStringList{QStringLiteral("1800")})
            << "run " << run;
        EXPECT_EQ(values(archive, QStringLiteral("SELECT sum(Digit) FROM SchedaModello")), digits) << "run " << run;
    }
    EXPECT_GT(cutMidway, 0);
    ASSERT_EQ(dbrefit(argument).exitCode, 0);
    EXPECT_TRUE(hiddenLeftovers().isEmpty());
    EXPECT_EQ(integrityOf(archive), QStringLiteral("ok"));
}

TEST_F(DbrefitTest, FailsClearlyAndChangesNothing)
{
    const QString archive = cardArchive(QStringLiteral("Usato"));
    addCard(archive, QStringLiteral("K1"), 3);
    QFile text(hostPath(folder) + QStringLiteral("/Testo.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a database at all, only a few words of text\n");
    text.close();
    const QByteArray archiveBefore = contentOf(archive);
    const QByteArray textBefore = contentOf(folder + QStringLiteral("Testo.mdb"));

    const struct {
        QString argument;
        QString message;
    } cases[] = {
        {QStringLiteral("convert,C:\\Schede\\Manca"), QStringLiteral("Could not find file 'C:\\Schede\\Manca.mdb'.")},
        {QStringLiteral("convert,C:\\Schede\\Testo.mdb"), QStringLiteral("Unrecognized database format")},
        {QStringLiteral("create,C:\\Schede\\Usato.Mdb"), QStringLiteral("already exists")},
        {QStringLiteral("create,C:\\Manca\\Nuovo.Mdb"), QStringLiteral("is not a valid path")},
        {QStringLiteral("compact,C:\\Schede\\Usato"), QStringLiteral("create,PATH")},
        {QStringLiteral("convert"), QStringLiteral("create,PATH")},
        {QString(), QStringLiteral("create,PATH")},
    };
    for (const auto& c : cases) {
        const Result result = dbrefit(c.argument);
        EXPECT_NE(result.exitCode, 0) << c.argument.toStdString();
        EXPECT_TRUE(result.errors.contains(c.message)) << result.errors.toStdString();
    }
    {
        const auto other = holder(archive, QStringLiteral("readonly"));
        ASSERT_EQ(other->status(), QStringLiteral("open"));
        const Result result = dbrefit(QStringLiteral("convert,C:\\Schede\\Usato.mdb"));
        EXPECT_NE(result.exitCode, 0);
        EXPECT_TRUE(
            result.errors.contains(QStringLiteral("Could not use 'C:\\Schede\\Usato.mdb'; file already in use.")))
            << result.errors.toStdString();
    }
    EXPECT_EQ(contentOf(archive), archiveBefore);
    EXPECT_EQ(contentOf(folder + QStringLiteral("Testo.mdb")), textBefore);
    EXPECT_FALSE(QFile::exists(hostPath(folder) + QStringLiteral("/Manca.mdb")));
    EXPECT_TRUE(hiddenLeftovers().isEmpty());
}

} // namespace
