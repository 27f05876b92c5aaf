#include "explorer/ExplorerCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "explorer/ArchiveListView.h"
#include "explorer/CardDragAndDrop.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/ExplorerToolBar.h"
#include "explorer/FrmConfig.h"
#include "explorer/FrmExplorer.h"
#include "explorer/InvoicingHandOff.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/CardCsvExport.h"
#include "explorer/transfer/CardCsvImport.h"
#include "explorer/transfer/CardTransfer.h"
#include "explorer/transfer/ModelImportCommand.h"
#include "interaction/PendingEvents.h"
#include "interaction/Seams.h"

namespace explorer {

ExplorerCommands::ExplorerCommands(FrmExplorer& window) : QObject(&window), m_window(window), m_maintenance(window)
{
    connectMenus();
    connectLists();
}

void ExplorerCommands::on(const char* entryName, void (ExplorerCommands::*command)())
{
    if (QAction* entry = m_window.menus().entry(QLatin1String(entryName)))
        connect(entry, &QAction::triggered, this, command);
}

void ExplorerCommands::connectMenus()
{
    on("MnuConfigurazione", &ExplorerCommands::MnuConfigurazione);
    on("MnuEsci", &ExplorerCommands::MnuEsci);
    on("MnuModifica_SelezionaTutti", &ExplorerCommands::selectAllCards);
    on("MnuModifica_Elimina", &ExplorerCommands::MnuModifica_Elimina);
    on("MnuSchede_Importa", &ExplorerCommands::MnuLWImporta);
    on("MnuSchede_Esporta", &ExplorerCommands::MnuLWEsporta);
    on("MnuImportaScheda", &ExplorerCommands::MnuImportaScheda);
    on("MnuLWSelectAll", &ExplorerCommands::selectAllCards);
    on("MnuLWEsporta", &ExplorerCommands::MnuLWEsporta);
    on("MnuLWImporta", &ExplorerCommands::MnuLWImporta);
    on("MnuLWModelliTaglia", &ExplorerCommands::MnuLWModelliTaglia);
    on("MnuModifica_Taglia", &ExplorerCommands::MnuLWModelliTaglia);
    on("MnuLWModelliCopia", &ExplorerCommands::MnuLWModelliCopia);
    on("MnuModifica_Copia", &ExplorerCommands::MnuLWModelliCopia);
    on("MnuDBIncolla", &ExplorerCommands::MnuDBIncolla);
    on("MnuModifica_Incolla", &ExplorerCommands::MnuDBIncolla);

    const ExplorerMenus& menus = m_window.menus();
    const auto connectEntry = [&](const char* name, auto command) {
        if (QAction* entry = menus.entry(QLatin1String(name)))
            connect(entry, &QAction::triggered, this, command);
    };
    connectEntry("MnuNuovoArchivioSchede", [this] { m_maintenance.MnuNuovoArchivioSchede(); });
    connectEntry("MnuDBCompattaTutti", [this] { m_maintenance.MnuDBCompattaTutti(); });
    connectEntry("MnuDBAggiorna", [this] { MnuDBAggiorna(); });
    connectEntry("MnuDBCompatta", [this] { m_maintenance.MnuDBCompatta(); });
    connectEntry("MnuDBElimina", [this] { m_maintenance.MnuDBElimina(); });
    connectEntry("MnuLWElimina", [this] { m_maintenance.MnuEliminaScheda(true); });
    connectEntry("MnuLWInviaFattura", [this] { MnuLWInviaFattura(m_window); });

    connect(&m_window.toolBar(), &ExplorerToolBar::buttonClicked, this, &ExplorerCommands::MainToolBar_ButtonClick);
}

void ExplorerCommands::connectLists()
{
    ArchiveListView& archives = m_window.archiveList();
    CardListView& cards = m_window.cardList();
    connect(&archives, &ArchiveListView::mouseReleased, this, &ExplorerCommands::LVDB_MouseUp);
    connect(&archives, &ArchiveListView::deletePressed, this, [this] { m_maintenance.MnuDBElimina(); });
    connect(&archives, &QListWidget::itemDoubleClicked, this, [this] { m_window.LVDB_DblClick(); });
    connect(&archives, &ArchiveListView::openRequested, this, [this] { m_window.LVDB_DblClick(); });
    connect(&archives, &ArchiveListView::keyboardMenuRequested, this, &ExplorerCommands::archiveMenuFromKeyboard);
    archives.setLabelEditJudge([this](QListWidgetItem* item, const QString& newName) {
        return m_maintenance.LVDB_AfterLabelEdit(item, newName);
    });
    connect(&cards, &CardListView::mouseReleased, this, &ExplorerCommands::LWModelli_MouseUp);
    connect(&cards, &CardListView::deletePressed, this, [this] { m_maintenance.MnuEliminaScheda(true); });
    connect(&cards, &CardListView::keyboardMenuRequested, this, &ExplorerCommands::cardMenuFromKeyboard);
    new CardDragAndDrop(m_window);
}

void ExplorerCommands::MainToolBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Esci")) {
        MnuEsci();
    } else if (key == QLatin1String("Nuovo")) {
        m_maintenance.MnuNuovoArchivioSchede();
    } else if (key == QLatin1String("Importa")) {
        MnuLWImporta();
    } else if (key == QLatin1String("Esporta")) {
        MnuLWEsporta();
    } else if (key == QLatin1String("Elimina")) {
        deleteFromToolBar();
    } else if (key == QLatin1String("Compatta")) {
        m_window.toolBar().repaint();
        m_maintenance.MnuDBCompatta();
    } else if (key == QLatin1String("Fattura")) {
        MnuLWInviaFattura(m_window);
    } else if (key == QLatin1String("Taglia")) {
        MnuLWModelliTaglia();
    } else if (key == QLatin1String("Copia")) {
        MnuLWModelliCopia();
    } else if (key == QLatin1String("Incolla")) {
        MnuDBIncolla();
    } else if (key == QLatin1String("SelezionaTutti")) {
        selectAllCards();
    }
}

void ExplorerCommands::MnuEsci()
{
    m_window.close();
    QCoreApplication::quit();
}

void ExplorerCommands::MnuConfigurazione()
{
    FrmConfig dialog(m_window);
    dialog.exec();
}

void ExplorerCommands::selectAllCards()
{
    m_window.LWModelli()->selectAll();
}

QString ExplorerCommands::activeControlName() const
{
    const QWidget* active = m_window.focusWidget();
    return active ? active->objectName().toUpper() : QString();
}

void ExplorerCommands::MnuModifica_Elimina()
{
    const QString active = activeControlName();
    if (active == QLatin1String("LWMODELLI"))
        m_maintenance.MnuEliminaScheda(true);
    else if (active == QLatin1String("LVDB"))
        m_maintenance.MnuDBElimina();
}

void ExplorerCommands::deleteFromToolBar()
{
    const bool anySelected = m_window.cardList().hasSelectedRow();
    const QString active = activeControlName();
    if (active == QLatin1String("LWMODELLI")) {
        if (anySelected)
            m_maintenance.MnuEliminaScheda(true);
        else
            m_maintenance.MnuDBElimina();
    } else if (active == QLatin1String("LVDB")) {
        m_maintenance.MnuDBElimina();
    }
}

void ExplorerCommands::MnuImportaScheda()
{
    transfer::MnuImportaScheda_Click(m_window.transferWindow());
}

void ExplorerCommands::MnuLWEsporta()
{
    transfer::MnuLWEsporta_Click(m_window.transferWindow());
}

void ExplorerCommands::MnuLWImporta()
{
    transfer::MnuLWImporta_Click(m_window.transferWindow());
}

void ExplorerCommands::MnuLWModelliTaglia()
{
    transfer::MnuLWModelliTaglia(m_window.cardTransferWindow());
}

void ExplorerCommands::MnuLWModelliCopia()
{
    transfer::MnuLWModelliCopia(m_window.cardTransferWindow());
}

void ExplorerCommands::MnuDBIncolla()
{
    transfer::MnuDBIncolla(m_window.cardTransferWindow());
}

void ExplorerCommands::MnuDBAggiorna()
{
    ArchiveListView& archives = m_window.archiveList();
    const QListWidgetItem* selected = archives.selectedArchive();
    const QString selectedName = selected ? selected->text() : QString();
    m_window.FillLVDB();
    m_window.setArchiveIcon(m_window.findArchiveItem(store::explorerState().CurrentArchive), 2);
    archives.selectOnly(selectedName.isEmpty() ? nullptr : m_window.findArchiveItem(selectedName));
}

void ExplorerCommands::showArchiveMenu(QListWidgetItem* item, const QPoint& globalPosition)
{
    ArchiveListView& archives = m_window.archiveList();
    archives.selectOnly(item);
    archives.viewport()->repaint();
    interaction::Seams::pendingEvents().run();
    m_window.SetMnuLVDB();
    m_window.SetCADTypeMnu();
    QMenu* menu = item ? m_window.menus().LVDBMnuOver() : m_window.menus().LVDBMnuNoOver();
    menu->popup(globalPosition);
}

void ExplorerCommands::showCardMenu(const QPoint& globalPosition)
{
    m_window.SetMnuLWModelli();
    m_window.menus().MnuLWModelli()->popup(globalPosition);
}

void ExplorerCommands::archiveMenuFromKeyboard()
{
    ArchiveListView& archives = m_window.archiveList();
    QListWidgetItem* item = archives.selectedArchive();
    const QPoint point = item ? archives.visualItemRect(item).center() : QPoint(0, 0);
    showArchiveMenu(item, archives.viewport()->mapToGlobal(point));
}

void ExplorerCommands::cardMenuFromKeyboard()
{
    CardListView& cards = m_window.cardList();
    const int current = cards.currentRow();
    const QPoint point = current >= 0 ? cards.rowRect(current).center() : QPoint(0, 0);
    showCardMenu(cards.viewport()->mapToGlobal(point));
}

void ExplorerCommands::LVDB_MouseUp(Qt::MouseButton button, const QPoint& viewportPosition,
                                    const QPoint& globalPosition)
{
    if (button == Qt::RightButton)
        showArchiveMenu(m_window.archiveList().itemAt(viewportPosition), globalPosition);
    m_window.STBar()->setPanelText(2, store::explorerState().DatabaseFolder);
}

void ExplorerCommands::LWModelli_MouseUp(Qt::MouseButton button, const QPoint& globalPosition, bool rowUnderPointer)
{
    CardListView& cards = m_window.cardList();
    if (button == Qt::RightButton) {
        showCardMenu(globalPosition);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (!rowUnderPointer) {
        cards.clearSelection();
        cards.setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    // A click on a row and the click on the list both end here: the toolbar follows the
    // selection the click left, so a Ctrl+click that deselects the last card disables it again.
    bool anySelected = false;
    m_window.SetMainToolBar(anySelected);
}

} // namespace explorer
