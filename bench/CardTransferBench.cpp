// Copying and deleting cards between two archives as the explorer does: 1,000 cards of one
// header, 20 pieces and 8 markers; each card copied with CopyTable for Modelli, SchedaModello and
// SchedaPiazzato, then deleted with EseguiSql and the three DELETE statements, every statement in
// its own workspace and database.
//
// Floor: the same 3,000 statements run by SQLite in this process over connections it keeps (one
// on the source with the target attached for the copies, one on the target for the deletions),
// each statement committed on its own as the engine's are, with the same durability. Both sides
// start from the same archives and are checked to have done the work. Rounds taken in turns, in
// processor time; the syncs per card are counted on both sides.
#include <cstdio>
#include <exception>
#include <functional>
#include <list>
#include <stdexcept>

#include <QCoreApplication>

#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "bench/SqliteFloor.h"
#include "bench/SyncCount.h"
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
constexpr int rounds = 5;

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

// Runs the statement for each card on each table in turn, each committed on its own.
void runPerCard(bench::SqliteFloor& floor, const QStringList& keys, const char* statement)
{
    std::list<bench::FloorStatement> perTable;
    for (const QLatin1String table : cardSchema::CardTables)
        perTable.emplace_back(floor, QByteArray(statement).replace("%1", table.data()));
    for (const QString& key : keys) {
        const QByteArray utf8 = key.toUtf8();
        for (bench::FloorStatement& tableStatement : perTable) {
            tableStatement.bindText(1, utf8);
            tableStatement.step();
        }
    }
}

// Milliseconds of work, and the syncs it asked for added to syncs.
double measured(long& syncs, const std::function<void()>& work)
{
    const long before = bench::syncCount();
    const double milliseconds = bench::millisecondsOf(work);
    syncs += bench::syncCount() - before;
    return milliseconds;
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

    bench::Figure copy{QStringLiteral("copy 1000 cards with CopyTable"), {}, {}, 1.3};
    bench::Figure deletion{QStringLiteral("delete 1000 cards with EseguiSql"), {}, {}, 1.3};
    long copySyncs = 0, deleteSyncs = 0, floorCopySyncs = 0, floorDeleteSyncs = 0;
    for (int round = 0; round < rounds; ++round) {
        copy.values.push_back(measured(copySyncs, [&] { copyWithEngine(archives, keys); }));
        expectCards(archives.target, cardCount);
        deletion.values.push_back(measured(deleteSyncs, [&] { deleteWithEngine(archives, keys); }));
        expectCards(archives.target, 0);

        copy.baselines.push_back(measured(floorCopySyncs, [&] {
            bench::SqliteFloor floor(sourceHost);
            floor.execute("ATTACH '" + targetHost.toUtf8() + "' AS target");
            runPerCard(floor, keys, "INSERT INTO target.%1 SELECT * FROM main.%1 WHERE PCMTV = ?");
        }));
        expectCards(archives.target, cardCount);
        deletion.baselines.push_back(measured(floorDeleteSyncs, [&] {
            bench::SqliteFloor floor(targetHost);
            runPerCard(floor, keys, "DELETE FROM %1 WHERE PCMTV = ?");
        }));
        expectCards(archives.target, 0);
    }

    const double cards = double(cardCount) * rounds;
    copy.print();
    bench::printSyncs(copy.name, double(copySyncs) / cards, double(floorCopySyncs) / cards);
    deletion.print();
    bench::printSyncs(deletion.name, double(deleteSyncs) / cards, double(floorDeleteSyncs) / cards);
    return copy.met() && deletion.met() && copySyncs <= floorCopySyncs && deleteSyncs <= floorDeleteSyncs ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return bench::runProgram(run);
}
