// Pasting 1,000 cards (one header, 20 pieces and 8 markers each) from the open archive into
// another through the explorer's main window (offscreen): Copy, then Paste from the menu, with
// the status text, the progress bar and the pending events after every card.
// Baseline: the same cards copied by the store alone as the paste copies them, three CopyTable
// statements per card in one transaction of the target. The target is emptied between runs. Best
// of three runs each, taken in turns.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTreeWidget>

#include "automation/Components.h"
#include "bench/BenchWorkstation.h"
#include "bench/Figure.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "demo/SampleCardWriter.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/CardTransaction.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/store/engine/Engine.h"

namespace {

constexpr int cardCount = 1000;
constexpr int piecesPerCard = 20;
constexpr int markersPerCard = 8;
constexpr int runs = 3;

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
    if (window->LWModelli()->topLevelItemCount() != cardCount)
        throw std::runtime_error("the card list missed rows");
    archives->setCurrentItem(targetItem, QItemSelectionModel::ClearAndSelect);
    QAction* copy = window->menus().entry(QStringLiteral("MnuModifica_Copia"));
    QAction* paste = window->menus().entry(QStringLiteral("MnuModifica_Incolla"));

    double pasting = 1e300;
    double storeAlone = 1e300;
    for (int round = 0; round < runs; ++round) {
        window->LWModelli()->selectAll();
        bool anySelected = false;
        window->SetMainToolBar(anySelected);
        copy->trigger();
        pasting = std::min(pasting, bench::millisecondsOf([&] { paste->trigger(); }));
        expectCards(target, cardCount);
        emptyArchive(target);

        storeAlone = std::min(storeAlone, bench::millisecondsOf([&] {
                                  for (const QString& key : keys) {
                                      store::CardTransaction card(target);
                                      card.copyCard(source, key);
                                      card.commit(QStringLiteral("ModMain_CopyTable"));
                                  }
                              }));
        expectCards(target, cardCount);
        emptyArchive(target);
    }
    window.reset();
    common::releaseUtility();
    const bench::Figure figure{QStringLiteral("pasting 1000 cards through the window"), pasting, storeAlone,
                               QStringLiteral("ms"), 1.2};
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
