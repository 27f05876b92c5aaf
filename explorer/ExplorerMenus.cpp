#include "explorer/ExplorerMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace explorer {

namespace {

// The menu bar shows these keys beside its entries, but the key table acts on them (through
// the card list's pop-up entries), so the menu bar only displays them.
void showKey(QAction& entry, QKeyCombination key)
{
    entry.setText(entry.text() + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText));
}

} // namespace

ExplorerMenus::ExplorerMenus(QMainWindow& window)
{
    buildMenuBar(window);
    buildArchiveMenus(window);
    buildCardMenu(window);
}

QString ExplorerMenus::caption(const QAction& entry)
{
    return entry.text().section(QLatin1Char('\t'), 0, 0);
}

void ExplorerMenus::buildMenuBar(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();

    QMenu* file = menu(bar, QStringLiteral("MnuFile"), QStringLiteral("&File"));
    add(*file, QStringLiteral("MnuConfigurazione"), QStringLiteral("&Configurazione"));
    separator(*file, QStringLiteral("MnuSepara7"));
    add(*file, QStringLiteral("MnuEsci"), QStringLiteral("Esci"));
    bar->addMenu(file);

    QMenu* edit = menu(bar, QStringLiteral("MnuModifica"), QStringLiteral("&Modifica"));
    showKey(*add(*edit, QStringLiteral("MnuModifica_Taglia"), QStringLiteral("&Taglia")), Qt::CTRL | Qt::Key_X);
    showKey(*add(*edit, QStringLiteral("MnuModifica_Copia"), QStringLiteral("&Copia")), Qt::CTRL | Qt::Key_C);
    showKey(*add(*edit, QStringLiteral("MnuModifica_Incolla"), QStringLiteral("&Incolla")), Qt::CTRL | Qt::Key_V);
    separator(*edit, QStringLiteral("MnuModifica_Separa1"));
    showKey(*add(*edit, QStringLiteral("MnuModifica_SelezionaTutti"), QStringLiteral("&Seleziona tutti")),
            Qt::CTRL | Qt::Key_A);
    separator(*edit, QStringLiteral("MnuModifica_Separa2"));
    add(*edit, QStringLiteral("MnuModifica_Elimina"), QStringLiteral("&Elimina"));
    bar->addMenu(edit);

    QMenu* cards = menu(bar, QStringLiteral("MnuSchede"), QStringLiteral("Schede"));
    add(*cards, QStringLiteral("MnuSchede_Importa"), QStringLiteral("&Importa"));
    add(*cards, QStringLiteral("MnuSchede_Esporta"), QStringLiteral("&Esporta"));
    bar->addMenu(cards);
}

void ExplorerMenus::buildArchiveMenus(QMainWindow& window)
{
    m_archiveMenu = menu(&window, QStringLiteral("LVDBMnuNoOver"), QString());
    QMenu* newArchive = submenu(*m_archiveMenu, QStringLiteral("MnuDBNuovo"), QStringLiteral("&Nuovo archivio"));
    add(*newArchive, QStringLiteral("MnuNuovoArchivioSchede"), QStringLiteral("&Schede"));
    add(*newArchive, QStringLiteral("MnuNuovoArchivioConfigurazione"), QStringLiteral("&Configurazione"))
        ->setVisible(false);
    add(*m_archiveMenu, QStringLiteral("MnuDBCompattaTutti"), QStringLiteral("&Compatta tutti"));
    add(*m_archiveMenu, QStringLiteral("MnuDBAggiorna"), QStringLiteral("A&ggiorna"));
    separator(*m_archiveMenu, QStringLiteral("MnuDBSepara2"));
    add(*m_archiveMenu, QStringLiteral("MnuDBPercorsoDB"), QStringLiteral("&Percorso database"));

    m_archiveItemMenu = menu(&window, QStringLiteral("LVDBMnuOver"), QString());
    add(*m_archiveItemMenu, QStringLiteral("MnuImportaConsumi"), QStringLiteral("Importa &consumi"))->setVisible(false);
    add(*m_archiveItemMenu, QStringLiteral("MnuImportaScheda"), QStringLiteral("Importa &scheda"))->setVisible(false);
    separator(*m_archiveItemMenu, QStringLiteral("MnuSepara8"))->setVisible(false);
    add(*m_archiveItemMenu, QStringLiteral("MnuDBRinomina"), QStringLiteral("&Rinomina"))->setVisible(false);
    separator(*m_archiveItemMenu, QStringLiteral("MnuDBSepara1"))->setVisible(false);
    add(*m_archiveItemMenu, QStringLiteral("MnuDBIncolla"), QStringLiteral("&Incolla"));
    add(*m_archiveItemMenu, QStringLiteral("MnuDBCompatta"), QStringLiteral("&Compatta"));
    QMenu* send = submenu(*m_archiveItemMenu, QStringLiteral("MnuDBInvia"), QStringLiteral("&Invia a.."));
    add(*send, QStringLiteral("MnuDBPostaElettronica"), QStringLiteral("Posta elettronica"));
    separator(*m_archiveItemMenu, QStringLiteral("MnuSepara2"));
    add(*m_archiveItemMenu, QStringLiteral("MnuDBElimina"), QStringLiteral("&Elimina"));
}

void ExplorerMenus::buildCardMenu(QMainWindow& window)
{
    m_cardMenu = menu(&window, QStringLiteral("MnuLWModelli"), QString());
    add(*m_cardMenu, QStringLiteral("MnuLWModelliTaglia"), QStringLiteral("Taglia"));
    add(*m_cardMenu, QStringLiteral("MnuLWModelliCopia"), QStringLiteral("&Copia"));
    separator(*m_cardMenu, QStringLiteral("MnuSepara3"))->setVisible(false);
    QMenu* print = submenu(*m_cardMenu, QStringLiteral("MnuLWStampa"), QStringLiteral("&Stampa"));
    print->menuAction()->setVisible(false);
    add(*print, QStringLiteral("MnuLWStampaSchedaModello"), QStringLiteral("Scheda &Modello"));
    add(*print, QStringLiteral("MnuLWStampaSchedaPiazzato"), QStringLiteral("Scheda &Piazzato"));
    add(*print, QStringLiteral("MnuLWStampaEntrambe"), QStringLiteral("&Entrambe"));
    separator(*m_cardMenu, QStringLiteral("Mnusepara6"));
    QMenu* send = submenu(*m_cardMenu, QStringLiteral("MnuLWInviaA"), QStringLiteral("&Invia a..."));
    add(*send, QStringLiteral("MnuLWInviaFattura"), QStringLiteral("&Fattura"));
    add(*send, QStringLiteral("MnuLWInviaPostaElettronica"), QStringLiteral("&Posta elettronica"));
    separator(*m_cardMenu, QStringLiteral("MnuSepara5"));
    add(*m_cardMenu, QStringLiteral("MnuLWSelectAll"), QStringLiteral("Seleziona tutti"));
    add(*m_cardMenu, QStringLiteral("MnuLWElimina"), QStringLiteral("&Elimina"));
    separator(*m_cardMenu, QStringLiteral("MnuSepara4"));
    add(*m_cardMenu, QStringLiteral("MnuLWEsporta"), QStringLiteral("E&sporta"));
    add(*m_cardMenu, QStringLiteral("MnuLWImporta"), QStringLiteral("&Importa"));
}

QMenu* ExplorerMenus::menu(QWidget* parent, const QString& name, const QString& caption)
{
    auto* created = new QMenu(caption, parent);
    created->setObjectName(name);
    created->menuAction()->setObjectName(name);
    m_entries.insert(name, created->menuAction());
    return created;
}

QMenu* ExplorerMenus::submenu(QMenu& parent, const QString& name, const QString& caption)
{
    QMenu* created = menu(&parent, name, caption);
    parent.addMenu(created);
    return created;
}

QAction* ExplorerMenus::add(QMenu& menu, const QString& name, const QString& caption)
{
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(name);
    m_entries.insert(name, entry);
    return entry;
}

QAction* ExplorerMenus::separator(QMenu& menu, const QString& name)
{
    QAction* entry = menu.addSeparator();
    entry->setObjectName(name);
    m_entries.insert(name, entry);
    return entry;
}

} // namespace explorer
