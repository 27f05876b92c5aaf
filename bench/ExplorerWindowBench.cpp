// Opening an archive of 50,000 cards in the explorer's main window (offscreen): the archive list's
// double click, which empties the card list, reads every card header and lists it, sorted by key,
// and the window laid out and painted. The first round is the first open in the process.
// Floor: SQLite in this process reading the six fields of every row as text. Rounds taken in
// turns, in processor time. Also printed: the memory the open card list holds above the empty
// window, per card, for 50,000 and for 200,000 cards.
#include <cstdio>
#include <exception>
#include <malloc.h>
#include <memory>
#include <stdexcept>

#include <QApplication>
#include <QListWidget>

#include "automation/Components.h"
#include "bench/BenchWorkstation.h"
#include "bench/CardListReading.h"
#include "bench/Figure.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "demo/SampleCardWriter.h"
#include "explorer/CardListView.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"

namespace {

constexpr int cardCount = 50000;
constexpr int manyCards = 200000;
constexpr int runs = 5;
constexpr double kilobytesPerCardTarget = 0.3;

QString makeArchive(const QString& name, const QString& keyPrefix, int cards)
{
    const QString archive = bench::BenchWorkstation::archive(name);
    store::CardArchiveSchema::createEmpty(archive);
    demo::SampleCardWriter(QStringLiteral("Archivio storico"), keyPrefix, 1, {0, 0, 0, 0}).write(archive, cards);
    return archive;
}

double heapInUse()
{
    const struct mallinfo2 heap = ::mallinfo2();
    return double(heap.uordblks + heap.hblkhd);
}

void settle(explorer::FrmExplorer& window)
{
    QCoreApplication::processEvents();
    window.repaint();
    QCoreApplication::processEvents();
}

void open(explorer::FrmExplorer& window, const QString& name, int cards)
{
    QListWidgetItem* item = window.findArchiveItem(name);
    if (item == nullptr)
        throw std::runtime_error("the archive list does not show the archive");
    window.LVDB()->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    window.LVDB_DblClick();
    settle(window);
    if (window.cardList().rowCount() != cards)
        throw std::runtime_error("the card list missed rows");
}

// Prints the heap the card list holds above the empty window, per card; false above the target.
bool memoryMet(int cards, double emptyWindow)
{
    const double perCard = (heapInUse() - emptyWindow) / cards / 1024;
    const bool met = perCard <= kilobytesPerCardTarget;
    std::printf("memory of %d cards in the window: %.3f KB per card above the empty window (target <= %.1f)%s\n", cards,
                perCard, kilobytesPerCardTarget, met ? "" : " MISSED");
    std::fflush(stdout);
    return met;
}

int run()
{
    bench::BenchWorkstation workstation;
    automation::registerLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    store::ExplorerState& state = store::explorerState();
    state.IniFileName = QStringLiteral("Schedex.ini");
    state.DatabaseFolder = bench::BenchWorkstation::archiveFolder;

    const QString archive = makeArchive(QStringLiteral("GRANDE"), QStringLiteral("STO"), cardCount);
    makeArchive(QStringLiteral("ENORME"), QStringLiteral("ENO"), manyCards);
    const QString host = bench::BenchWorkstation::hostPath(archive);

    auto window = std::make_unique<explorer::FrmExplorer>();
    window->show();
    settle(*window);
    const double emptyWindow = heapInUse();

    bench::Figure figure{QStringLiteral("opening an archive of 50000 cards in the window"), {}, {}, 2};
    bool memory = true;
    for (int round = 0; round < runs; ++round) {
        figure.values.push_back(bench::millisecondsOf([&] { open(*window, QStringLiteral("GRANDE"), cardCount); }));
        if (round == 0)
            memory = memoryMet(cardCount, emptyWindow);
        figure.baselines.push_back(bench::millisecondsOf([&] {
            if (bench::readCardListWithSqlite(host) != std::size_t(cardCount))
                throw std::runtime_error("the floor missed rows");
        }));
    }
    open(*window, QStringLiteral("ENORME"), manyCards);
    memory = memoryMet(manyCards, emptyWindow) && memory;
    window.reset();
    common::releaseUtility();
    figure.print();
    return figure.met() && memory ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runProgram(run);
}
