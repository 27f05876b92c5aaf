#include "explorer/ExplorerMenuStates.h"

#include <QAction>

#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerToolBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"

namespace explorer::menuStates {

namespace {

void enable(QAction* entry, bool enabled)
{
    if (entry)
        entry->setEnabled(enabled);
}

bool archiveOpen()
{
    return !store::explorerState().CurrentArchive.isEmpty();
}

} // namespace

void SetMainToolBar(FrmExplorer& window, bool& anySelected)
{
    const CardListView& cards = window.cardList();
    if (!anySelected)
        anySelected = cards.hasSelectedRow();
    const bool hasRows = cards.rowCount() > 0;
    const bool enabled = anySelected && hasRows;
    const ExplorerToolBar& toolBar = window.toolBar();
    for (const int index : {5, 9, 10, 11, 13, 14})
        enable(toolBar.button(index), enabled);

    const ExplorerMenus& menus = window.menus();
    for (const char* name : {"MnuSchede_Esporta", "MnuModifica_Taglia", "MnuModifica_Copia", "MnuModifica_Incolla"})
        enable(menus.entry(QLatin1String(name)), enabled);
    enable(menus.entry(QStringLiteral("MnuLWImporta")), archiveOpen());
}

void SetMnuLWModelli(FrmExplorer& window)
{
    const CardListView& cards = window.cardList();
    const bool anySelected = cards.hasSelectedRow();
    const bool hasRows = cards.rowCount() > 0;
    const ExplorerMenus& menus = window.menus();
    for (const char* name :
         {"MnuLWModelliTaglia", "MnuLWModelliCopia", "MnuLWStampa", "MnuLWInviaA", "MnuLWElimina", "MnuLWEsporta"})
        enable(menus.entry(QLatin1String(name)), hasRows && anySelected);
    // The print entries carry the print keys; they follow their submenu.
    for (const char* name : {"MnuLWStampaSchedaModello", "MnuLWStampaSchedaPiazzato", "MnuLWStampaEntrambe"})
        enable(menus.entry(QLatin1String(name)), hasRows && anySelected);
    enable(menus.entry(QStringLiteral("MnuLWSelectAll")), hasRows);
    enable(menus.entry(QStringLiteral("MnuLWImporta")), archiveOpen());
}

void SetMnuLVDB(FrmExplorer& window)
{
    enable(window.menus().entry(QStringLiteral("MnuDBIncolla")),
           window.MovePending || window.cardList().hasSelectedRow());
}

void SetCADTypeMnu(FrmExplorer& window)
{
    const ExplorerMenus& menus = window.menus();
    QAction* importConsumption = menus.entry(QStringLiteral("MnuImportaConsumi"));
    QAction* importModel = menus.entry(QStringLiteral("MnuImportaScheda"));
    switch (store::explorerState().CadType) {
    case 1:
        // Accumark: the model import is reached through "Importa &scheda" as on Lectra.
        importConsumption->setVisible(archiveOpen());
        importModel->setVisible(archiveOpen());
        break;
    case 3:
        importModel->setVisible(archiveOpen());
        break;
    default:
        break;
    }
}

} // namespace explorer::menuStates
