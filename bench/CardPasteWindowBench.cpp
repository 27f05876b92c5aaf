// Pasting 1,000 cards (one header, 20 pieces and 8 markers each) from the open archive into
// another through the explorer's main window (offscreen): Copy, then Paste from the menu, with
// the status text, the progress bar and the pending events after every card.
// Floor: the same cards copied by SQLite in this process over a connection it keeps (on the
// source, the target attached), three INSERT ... SELECT statements per card in one transaction of
// the target, with the same durability. The target is emptied between rounds. Rounds taken in
// turns, in processor time; the syncs per card are counted on both sides.
#include <cstdio>
#include <exception>
#include <functional>
#include <list>
#include <memory>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>

#include "automation/Components.h"
#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "bench/SqliteFloor.h"
#include "bench/SyncCount.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "demo/SampleCardWriter.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/CardSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"

namespace {

constexpr int cardCount = 1000;
constexpr int piecesPerCard = 20;
constexpr int markersPerCard = 8;
constexpr int runs = 5;

int cardsIn(const QString& archive)
{
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archive, false, true);
    return database.OpenRecordset(QStringLiteral("SELECT PCMTV FROM Modelli")).RecordCount();
}

void emptyArchive(const QString& archive)
{
    if (!QFile::remove(bench::BenchWorkstation::hostPath(archive)))
        throw std::runtime_error("cannot empty the target");
    store::CardArchiveSchema::createEmpty(archive);
}

void expectCards(const QString& archive, int cards)
{
    if (cardsIn(archive) != cards)
        throw std::runtime_error("the target does not hold the cards it should");
}

void copyWithFloor(const QString& source, const QString& target, const QStringList& keys)
{
    bench::SqliteFloor floor(bench::BenchWorkstation::hostPath(source));
    floor.execute("ATTACH '" + bench::BenchWorkstation::hostPath(target).toUtf8() + "' AS target");
    std::list<bench::FloorStatement> copies;
    for (const QLatin1String table : store::cardSchema::CardTables) {
        const QByteArray name(table.data(), table.size());
        copies.emplace_back(floor, "INSERT INTO target." + name + " SELECT * FROM main." + name + " WHERE PCMTV = ?");
    }
    for (const QString& key : keys) {
        const QByteArray utf8 = key.toUtf8();
        floor.execute("BEGIN");
        for (bench::FloorStatement& copy : copies) {
            copy.bindText(1, utf8);
            copy.step();
        }
        floor.execute("COMMIT");
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
    automation::registerLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    store::ExplorerState& state = store::explorerState();
    state.IniFileName = QStringLiteral("Schedex.ini");
    state.DatabaseFolder = bench::BenchWorkstation::archiveFolder;

    const QString source = bench::BenchWorkstation::archive(QStringLiteral("ORIGINE"));
    const QString target = bench::BenchWorkstation::archive(QStringLiteral("DESTINAZIONE"));
    store::CardArchiveSchema::createEmpty(source);
    store::CardArchiveSchema::createEmpty(target);
    const QStringList keys = demo::SampleCardWriter(QStringLiteral("Primavera-Estate 2026"), QStringLiteral("PE26"), 3,
                                                    {piecesPerCard, piecesPerCard, markersPerCard, markersPerCard})
                                 .write(source, cardCount);

    auto window = std::make_unique<explorer::FrmExplorer>();
    window->show();
    QListWidget* archives = window->LVDB();
    QListWidgetItem* sourceItem = window->findArchiveItem(QStringLiteral("ORIGINE"));
    QListWidgetItem* targetItem = window->findArchiveItem(QStringLiteral("DESTINAZIONE"));
    if (!sourceItem || !targetItem)
        throw std::runtime_error("the archive list does not show the archives");
    archives->setCurrentItem(sourceItem, QItemSelectionModel::ClearAndSelect);
    window->LVDB_DblClick();
    if (window->cardList().rowCount() != cardCount)
        throw std::runtime_error("the card list missed rows");
    archives->setCurrentItem(targetItem, QItemSelectionModel::ClearAndSelect);
    QAction* copy = window->menus().entry(QStringLiteral("MnuModifica_Copia"));
    QAction* paste = window->menus().entry(QStringLiteral("MnuModifica_Incolla"));

    bench::Figure figure{QStringLiteral("pasting 1000 cards through the window"), {}, {}, 1.3};
    long pasteSyncs = 0, floorSyncs = 0;
    for (int round = 0; round < runs; ++round) {
        window->LWModelli()->selectAll();
        bool anySelected = false;
        window->SetMainToolBar(anySelected);
        copy->trigger();
        figure.values.push_back(measured(pasteSyncs, [&] { paste->trigger(); }));
        expectCards(target, cardCount);
        emptyArchive(target);

        figure.baselines.push_back(measured(floorSyncs, [&] { copyWithFloor(source, target, keys); }));
        expectCards(target, cardCount);
        emptyArchive(target);
    }
    window.reset();
    common::releaseUtility();
    figure.print();
    bench::printSyncs(figure.name, double(pasteSyncs) / (cardCount * runs), double(floorSyncs) / (cardCount * runs));
    return figure.met() && pasteSyncs <= floorSyncs ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runProgram(run);
}
