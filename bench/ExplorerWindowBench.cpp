// Opening an archive of 50,000 cards in the explorer's main window (offscreen): the archive list's
// double click, which empties the card list, reads every card header and lists it, sorted by key.
// Baseline: reading the same rows through a recordset alone, as the card list is filled (the
// archive opened exclusively, "Select * from Modelli;", each row's six fields as text). Best of
// five runs each, taken in turns.
#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>

#include "automation/Components.h"
#include "bench/BenchWorkstation.h"
#include "bench/CardListReading.h"
#include "bench/Figure.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "demo/SampleCardWriter.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"

namespace {

constexpr int cardCount = 50000;
constexpr int runs = 5;

int run()
{
    bench::BenchWorkstation workstation;
    automation::registerLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    store::ExplorerState& state = store::explorerState();
    state.IniFileName = QStringLiteral("Schedex.ini");
    state.DatabaseFolder = bench::BenchWorkstation::archiveFolder;

    const QString archive = bench::BenchWorkstation::archive(QStringLiteral("GRANDE"));
    store::CardArchiveSchema::createEmpty(archive);
    demo::SampleCardWriter(QStringLiteral("Archivio storico"), QStringLiteral("STO"), 1, {0, 0, 0, 0})
        .write(archive, cardCount);

    auto window = std::make_unique<explorer::FrmExplorer>();
    window->show();
    QListWidget* archives = window->LVDB();
    if (archives->count() != 1)
        throw std::runtime_error("the archive list does not show the archive");
    archives->setCurrentItem(archives->item(0));

    double opening = 1e300;
    double recordset = 1e300;
    for (int round = 0; round < runs; ++round) {
        opening = std::min(opening, bench::millisecondsOf([&] {
                               window->LVDB_DblClick();
                               if (window->LWModelli()->topLevelItemCount() != cardCount)
                                   throw std::runtime_error("the card list missed rows");
                           }));
        recordset = std::min(recordset, bench::millisecondsOf([&] {
                                 if (bench::readCardList(archive) != std::size_t(cardCount))
                                     throw std::runtime_error("the recordset missed rows");
                             }));
    }
    window.reset();
    common::releaseUtility();
    const bench::Figure figure{QStringLiteral("opening an archive of 50000 cards in the window"), opening, recordset,
                               QStringLiteral("ms"), 3};
    figure.print();
    return figure.met() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runProgram(run);
}
