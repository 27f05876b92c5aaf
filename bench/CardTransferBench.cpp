// Copying and deleting cards between two archives as the explorer does: 1,000 cards of one
// header, 20 pieces and 8 markers; each card copied with CopyTable for Modelli, SchedaModello and
// SchedaPiazzato, then deleted with EseguiSql and the three DELETE statements, every statement in
// its own workspace and database.
//
// Baseline: the same 3,000 statements run by one sqlite3 shell from a script in which every
// statement gets its own connection, as the engine's do: ".open" on the archive the statement
// runs on, the copies ATTACH the target, then the statement. One process for all of them, so
// the baseline pays no process start per statement and measures only what the engine also does
// (open the files, read their schemas, run, commit, close). Both sides start from the same
// archives and are checked to have done the work. Best of three rounds each, taken in turns, in
// processor time.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>

#include <QCoreApplication>
#include <QFile>

#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "bench/SqliteShell.h"
#include "demo/SampleCardWriter.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/CardStore.h"
#include "explorer/store/engine/Engine.h"

namespace {

namespace cardSchema = store::cardSchema;

constexpr int cardCount = 1000;
constexpr int piecesPerCard = 20;
constexpr int markersPerCard = 8;
constexpr int rounds = 3;

struct Archives {
    QString source = bench::BenchWorkstation::archive(QStringLiteral("ORIGINE"));
    QString target = bench::BenchWorkstation::archive(QStringLiteral("DESTINAZIONE"));
};

int rowsOf(const QString& archive, QLatin1String table)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, false, true);
    return database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM ") + table).RecordCount();
}

void expectCards(const QString& archive, int cards)
{
    if (rowsOf(archive, cardSchema::Modelli) != cards ||
        rowsOf(archive, cardSchema::SchedaModello) != cards * piecesPerCard ||
        rowsOf(archive, cardSchema::SchedaPiazzato) != cards * markersPerCard)
        throw std::runtime_error("the target does not hold the cards it should");
}

void copyWithEngine(const Archives& archives, const QStringList& keys)
{
    for (const QString& key : keys) {
        for (const QLatin1String table : cardSchema::CardTables)
            store::CopyTable(archives.source, table, archives.target, table, cardSchema::cardCondition(key));
    }
}

void deleteWithEngine(const Archives& archives, const QStringList& keys)
{
    for (const QString& key : keys) {
        for (const QLatin1String table : cardSchema::CardTables)
            store::EseguiSql(archives.target, cardSchema::deleteCardRows(table, key));
    }
}

// A shell script of one connection per statement; keys are the writer's, free of apostrophes.
QString writeScript(const QString& name, const QStringList& keys,
                    const std::function<QString(QLatin1String, const QString&)>& statement)
{
    const QString path = bench::BenchWorkstation::hostPath(bench::BenchWorkstation::archiveFolder) + name;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    for (const QString& key : keys) {
        for (const QLatin1String table : cardSchema::CardTables)
            script.write(statement(table, key).toUtf8());
    }
    return path;
}

int run()
{
    bench::BenchWorkstation workstation;
    const Archives archives;
    store::CardArchiveSchema::createEmpty(archives.source);
    store::CardArchiveSchema::createEmpty(archives.target);
    const QStringList keys = demo::SampleCardWriter(QStringLiteral("Primavera-Estate 2026"), QStringLiteral("PE26"), 3,
                                                    {piecesPerCard, piecesPerCard, markersPerCard, markersPerCard})
                                 .write(archives.source, cardCount);

    const QString sourceHost = bench::BenchWorkstation::hostPath(archives.source);
    const QString targetHost = bench::BenchWorkstation::hostPath(archives.target);
    const QString copyScript =
        writeScript(QStringLiteral("copy.sql"), keys, [&](QLatin1String table, const QString& key) {
            return QStringLiteral(".open \"%1\"\nATTACH '%2' AS target;\nINSERT INTO target.%3 SELECT * FROM %3 WHERE "
                                  "PCMTV = '%4';\n")
                .arg(sourceHost, targetHost, table, key);
        });
    const QString deleteScript =
        writeScript(QStringLiteral("delete.sql"), keys, [&](QLatin1String table, const QString& key) {
            return QStringLiteral(".open \"%1\"\nDELETE FROM %2 WHERE PCMTV = '%3';\n").arg(targetHost, table, key);
        });

    double engineCopy = 1e300, engineDelete = 1e300, shellCopy = 1e300, shellDelete = 1e300;
    for (int round = 0; round < rounds; ++round) {
        engineCopy = std::min(engineCopy, bench::millisecondsOf([&] { copyWithEngine(archives, keys); }));
        expectCards(archives.target, cardCount);
        engineDelete = std::min(engineDelete, bench::millisecondsOf([&] { deleteWithEngine(archives, keys); }));
        expectCards(archives.target, 0);

        shellCopy = std::min(shellCopy, bench::millisecondsOf([&] { bench::SqliteShell::runScript(copyScript); }));
        expectCards(archives.target, cardCount);
        shellDelete =
            std::min(shellDelete, bench::millisecondsOf([&] { bench::SqliteShell::runScript(deleteScript); }));
        expectCards(archives.target, 0);
    }

    const bench::Figure copy{QStringLiteral("copy 1000 cards with CopyTable"), engineCopy, shellCopy,
                             QStringLiteral("ms"), 1.3};
    const bench::Figure deletion{QStringLiteral("delete 1000 cards with EseguiSql"), engineDelete, shellDelete,
                                 QStringLiteral("ms"), 1.3};
    copy.print();
    deletion.print();
    return copy.met() && deletion.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
