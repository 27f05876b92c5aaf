#include <memory>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "explorer/CardListView.h"
#include "explorer/ExplorerCommands.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/ExplorerToolBar.h"
#include "explorer/FrmConfig.h"
#include "explorer/FrmExplorer.h"
#include "explorer/FrmScegliArea.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/TextMatcher.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WhenShown.h"
#include "tests/support/WindowWorld.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString deleteArchivesQuestion = QStringLiteral("Confermi la cancellazione degli archivi selezionati ?");
const QString deleteCardsQuestion = QStringLiteral("Confermi l'eliminazione della/e scheda/e selezionata/e ?");

// The captions of a menu's visible entries, separators left out.
QStringList visibleCaptions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* entry : menu.actions()) {
        if (entry->isVisible() && !entry->isSeparator())
            captions.append(explorer::ExplorerMenus::caption(*entry));
    }
    return captions;
}

QStringList enabledEntries(const WindowWorld& world, const QStringList& names)
{
    QStringList enabled;
    for (const QString& name : names) {
        if (world.entry(name)->isEnabled())
            enabled.append(name);
    }
    return enabled;
}

QList<int> enabledButtons(const explorer::ExplorerToolBar& toolBar)
{
    QList<int> enabled;
    for (int index = 1; index <= toolBar.buttonCount(); ++index) {
        const QAction* button = toolBar.button(index);
        if (!button->isSeparator() && button->isEnabled())
            enabled.append(index);
    }
    return enabled;
}

} // namespace

class FrmExplorerMenusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<WindowWorld>(); }
    void cleanup()
    {
        for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
            popup->close();
        m_world.reset();
    }

    void popUpMenusStayOutOfTheMenuBar()
    {
        explorer::FrmExplorer& window = openWithArchive();
        QStringList titles;
        for (const QAction* menu : window.menuBar()->actions())
            titles.append(menu->text());
        QCOMPARE(titles, (QStringList{"&File", "&Modifica", "Schede"}));
        QCOMPARE(visibleCaptions(*window.menuBar()->actions().at(1)->menu()),
                 (QStringList{"&Taglia", "&Copia", "&Incolla", "&Seleziona tutti", "&Elimina"}));
    }

    void theMenusShowTheKeysThatAct()
    {
        openWithArchive();
        const auto shortcut = [&](const char* name) {
            return m_world->entry(QLatin1String(name))->shortcut().toString(QKeySequence::PortableText);
        };
        QCOMPARE(shortcut("MnuLWInviaPostaElettronica"), QStringLiteral("Ctrl+E"));
        QCOMPARE(shortcut("MnuLWElimina"), QStringLiteral("Ctrl+L"));
        QCOMPARE(shortcut("MnuLWInviaFattura"), QStringLiteral("Ctrl+F"));
        QCOMPARE(shortcut("MnuLWStampaEntrambe"), QStringLiteral("Ctrl+N"));
        QCOMPARE(shortcut("MnuModifica_Elimina"), QString());
        QCOMPARE(m_world->entry(QStringLiteral("MnuModifica_Elimina"))->text(), QStringLiteral("&Elimina"));
        QVERIFY(m_world->entry(QStringLiteral("MnuModifica_Copia"))->text().endsWith(QStringLiteral("\tCtrl+C")));
    }

    void toolbarButtonsDescribeThemselves()
    {
        explorer::ExplorerToolBar& toolBar = openWithArchive().toolBar();
        QCOMPARE(toolBar.buttonCount(), 14);
        QStringList keys;
        for (int index = 1; index <= toolBar.buttonCount(); ++index) {
            const QAction* button = toolBar.button(index);
            keys.append(explorer::ExplorerToolBar::key(*button));
            if (button->isSeparator())
                continue;
            QVERIFY(!button->icon().isNull());
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(explorer::ExplorerToolBar::description(*button), button->toolTip());
        }
        QCOMPARE(keys, (QStringList{"Esci", "Nuovo", "", "Importa", "Esporta", "Elimina", "Compatta", "", "Taglia",
                                    "Copia", "Incolla", "", "Email", "Fattura"}));
        QCOMPARE(toolBar.button(QStringLiteral("Elimina"))->toolTip(), QStringLiteral("Elimina scheda o schedario"));
    }

    // The pointer resting on a button shows its tip as a tool tip; the status bar keeps its panels.
    void hoveringAButtonKeepsTheStatusBarsPanels()
    {
        explorer::FrmExplorer& window = openWithArchive();
        window.STBar()->setPanelText(1, QStringLiteral("Pronto"));
        QWidget* button = window.toolBar().widgetForAction(window.toolBar().button(QStringLiteral("Elimina")));
        QVERIFY(button);
        QTest::mouseMove(button, button->rect().center());
        QEnterEvent enter(button->rect().center(), button->mapToGlobal(button->rect().center()),
                          button->mapToGlobal(button->rect().center()));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(window.STBar()->currentMessage(), QString());
        for (int panel = 1; panel <= explorer::ExplorerStatusBar::panelCount; ++panel)
            QVERIFY2(window.STBar()->panel(panel)->isVisible(), qPrintable(QString::number(panel)));
        QCOMPARE(window.STBar()->panelText(1), QStringLiteral("Pronto"));
        QCOMPARE(button->toolTip(), QStringLiteral("Elimina scheda o schedario"));
    }

    // Right-clicking the toolbar or the menu bar shows no menu of Qt's own to hide the toolbar.
    void theToolbarAndTheMenuBarHaveNoPopUpMenu()
    {
        explorer::FrmExplorer& window = openWithArchive();
        for (QWidget* bar : {static_cast<QWidget*>(window.MainToolBar()), static_cast<QWidget*>(window.menuBar())}) {
            bool menuShown = false;
            // A menu of Qt's own would run modally: close it to let the test go on.
            QTimer::singleShot(200, &window, [&] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    menuShown = true;
                    popup->close();
                }
            });
            const QPoint point(bar->width() - 5, bar->height() / 2);
            QContextMenuEvent event(QContextMenuEvent::Mouse, point, bar->mapToGlobal(point));
            QApplication::sendEvent(bar, &event);
            QTest::qWait(300);
            QVERIFY2(!menuShown, bar->objectName().toLatin1().constData());
            QVERIFY(window.MainToolBar()->isVisible());
        }
    }

    void cardSelectionEnablesTheCardCommands()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"K1", "K2"});
        explorer::FrmExplorer& window = m_world->openWindow();
        const QStringList menuBarEntries{"MnuSchede_Esporta",   "MnuModifica_Taglia", "MnuModifica_Copia",
                                         "MnuModifica_Incolla", "MnuSchede_Importa",  "MnuConfigurazione"};
        QCOMPARE(enabledButtons(window.toolBar()), (QList<int>{1, 2, 4, 6, 7}));
        QCOMPARE(enabledEntries(*m_world, menuBarEntries), (QStringList{"MnuSchede_Importa", "MnuConfigurazione"}));
        QVERIFY(!m_world->entry(QStringLiteral("MnuLWImporta"))->isEnabled());

        m_world->openArchive(QStringLiteral("UOMO"));
        QCOMPARE(enabledButtons(window.toolBar()), (QList<int>{1, 2, 4, 6, 7}));
        QVERIFY(m_world->entry(QStringLiteral("MnuLWImporta"))->isEnabled());

        clickCard(1);
        QCOMPARE(enabledButtons(window.toolBar()), (QList<int>{1, 2, 4, 5, 6, 7, 9, 10, 11, 13, 14}));
        QCOMPARE(enabledEntries(*m_world, menuBarEntries), menuBarEntries);

        // Ctrl+click deselecting the only selected card disables them again.
        clickCard(1, Qt::ControlModifier);
        QCOMPARE(enabledButtons(window.toolBar()), (QList<int>{1, 2, 4, 6, 7}));

        clickCard(0);
        QTest::mouseClick(window.LWModelli()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(5, window.LWModelli()->viewport()->height() - 5));
        QCOMPARE(window.cardList().selectedRows(), QList<int>{});
        QCOMPARE(window.cardList().currentRow(), -1);
        QCOMPARE(enabledButtons(window.toolBar()), (QList<int>{1, 2, 4, 6, 7}));
    }

    void rightClickOnTheArchiveList()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("DONNA"), {"D1"});
        explorer::FrmExplorer& window = openWithArchive();
        QListWidget* archives = window.LVDB();
        archives->setCurrentItem(m_world->archiveItem(QStringLiteral("UOMO")));

        rightClick(archives->viewport(), QPoint(archives->viewport()->width() - 5, archives->viewport()->height() - 5));
        QCOMPARE(archives->selectedItems().size(), 0);
        QMenu* noOver = window.menus().LVDBMnuNoOver();
        QTRY_VERIFY(noOver->isVisible());
        QCOMPARE(visibleCaptions(*noOver),
                 (QStringList{"&Nuovo archivio", "&Compatta tutti", "A&ggiorna", "&Percorso database"}));
        QCOMPARE(window.STBar()->panelText(2), WindowWorld::folder);
        noOver->close();

        QListWidgetItem* donna = m_world->archiveItem(QStringLiteral("DONNA"));
        rightClick(archives->viewport(), archives->visualItemRect(donna).center());
        QCOMPARE(archives->selectedItems(), QList<QListWidgetItem*>{donna});
        QMenu* over = window.menus().LVDBMnuOver();
        QTRY_VERIFY(over->isVisible());
        QCOMPARE(visibleCaptions(*over), (QStringList{"&Incolla", "&Compatta", "&Invia a..", "&Elimina"}));
        QVERIFY(!m_world->entry(QStringLiteral("MnuDBIncolla"))->isEnabled());
        over->close();

        clickCard(0);
        rightClick(archives->viewport(), archives->visualItemRect(donna).center());
        QVERIFY(m_world->entry(QStringLiteral("MnuDBIncolla"))->isEnabled());
        over->close();

        clickCard(0, Qt::ControlModifier);
        window.MovePending = true;
        rightClick(archives->viewport(), archives->visualItemRect(donna).center());
        QVERIFY(m_world->entry(QStringLiteral("MnuDBIncolla"))->isEnabled());
    }

    void cadImportEntries_data()
    {
        QTest::addColumn<int>("cadType");
        QTest::addColumn<bool>("archiveOpen");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no CAD") << 0 << true << QStringList();
        QTest::newRow("Investronica") << 2 << true << QStringList();
        QTest::newRow("Accumark, archive open") << 1 << true << QStringList{"Importa &consumi", "Importa &scheda"};
        QTest::newRow("Accumark, none open") << 1 << false << QStringList();
        QTest::newRow("Lectra, archive open") << 3 << true << QStringList{"Importa &scheda"};
        QTest::newRow("Lectra, none open") << 3 << false << QStringList();
    }
    void cadImportEntries()
    {
        QFETCH(int, cadType);
        QFETCH(bool, archiveOpen);
        QFETCH(QStringList, shown);
        store::explorerState().CadType = std::uint8_t(cadType);
        explorer::FrmExplorer& window = archiveOpen ? openWithArchive() : openWithoutArchive();
        QListWidget* archives = window.LVDB();
        rightClick(archives->viewport(),
                   archives->visualItemRect(m_world->archiveItem(QStringLiteral("UOMO"))).center());
        QStringList captions = visibleCaptions(*window.menus().LVDBMnuOver());
        captions.removeOne(QStringLiteral("&Incolla"));
        captions.removeOne(QStringLiteral("&Compatta"));
        captions.removeOne(QStringLiteral("&Invia a.."));
        captions.removeOne(QStringLiteral("&Elimina"));
        QCOMPARE(captions, shown);
    }

    void rightClickOnTheCardListKeepsTheSelection()
    {
        explorer::FrmExplorer& window = openWithArchive();
        explorer::CardListView* cards = window.LWModelli();
        // The print submenu is hidden; its entries carry its state.
        const QStringList cardEntries{"MnuLWModelliTaglia", "MnuLWModelliCopia", "MnuLWStampaEntrambe", "MnuLWInviaA",
                                      "MnuLWSelectAll",     "MnuLWElimina",      "MnuLWEsporta",        "MnuLWImporta"};
        rightClick(cards->viewport(), rowCentre(1));
        QCOMPARE(cards->selectedRows(), QList<int>{});
        QMenu* menu = window.menus().MnuLWModelli();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(visibleCaptions(*menu), (QStringList{"Taglia", "&Copia", "&Invia a...", "Seleziona tutti", "&Elimina",
                                                      "E&sporta", "&Importa"}));
        QCOMPARE(enabledEntries(*m_world, cardEntries), (QStringList{"MnuLWSelectAll", "MnuLWImporta"}));
        menu->close();

        clickCard(0);
        rightClick(cards->viewport(), rowCentre(2));
        QCOMPARE(cards->selectedRows(), QList<int>{0});
        QCOMPARE(enabledEntries(*m_world, cardEntries), cardEntries);
    }

    // The keys act only while their entries are enabled, and the entries keep the state the last
    // right click gave them.
    void keyTableActsThroughEnabledEntriesOnly()
    {
        m_world->makeArchive(QStringLiteral("VUOTO.mdb"));
        explorer::FrmExplorer& window = openWithArchive();
        explorer::CardListView* cards = window.LWModelli();
        m_world->openArchive(QStringLiteral("VUOTO"));
        rightClick(cards->viewport(), QPoint(10, 10));
        window.menus().MnuLWModelli()->close();
        QVERIFY(!m_world->entry(QStringLiteral("MnuLWSelectAll"))->isEnabled());

        m_world->openArchive(QStringLiteral("UOMO"));
        activate(window);
        cards->setFocus();
        QTest::keyClick(cards, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(cards->selectedRows(), QList<int>{});
        QTest::keyClick(cards, Qt::Key_L, Qt::ControlModifier); // MnuLWElimina is disabled too

        rightClick(cards->viewport(), rowCentre(0));
        window.menus().MnuLWModelli()->close();
        activate(window);
        cards->setFocus();
        QTest::keyClick(cards, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(cards->selectedRows(), (QList<int>{0, 1, 2}));

        rightClick(cards->viewport(), rowCentre(0));
        window.menus().MnuLWModelli()->close();
        activate(window);
        cards->setFocus();
        QTest::keyClick(cards, Qt::Key_E, Qt::ControlModifier); // e-mail: no action
        m_world->station.prompter.expectMessage(deleteCardsQuestion, Answer::No);
        QTest::keyClick(cards, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(m_world->column(), (QStringList{"K1", "K2", "K3"}));
    }

    void deleteGoesByTheActiveControl_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("cardSelected");
        QTest::addColumn<QString>("question");
        const QString none;
        QTest::newRow("menu, card list") << "menu"
                                         << "LWModelli" << true << deleteCardsQuestion;
        QTest::newRow("menu, archive list") << "menu"
                                            << "LVDB" << true << deleteArchivesQuestion;
        QTest::newRow("menu, elsewhere") << "menu"
                                         << "elsewhere" << true << none;
        QTest::newRow("toolbar, card list, card selected") << "toolbar"
                                                           << "LWModelli" << true << deleteCardsQuestion;
        QTest::newRow("toolbar, card list, none selected") << "toolbar"
                                                           << "LWModelli" << false << deleteArchivesQuestion;
        QTest::newRow("toolbar, archive list") << "toolbar"
                                               << "LVDB" << true << deleteArchivesQuestion;
        QTest::newRow("toolbar, elsewhere") << "toolbar"
                                            << "elsewhere" << true << none;
        QTest::newRow("Delete key, card list") << "key"
                                               << "LWModelli" << true << deleteCardsQuestion;
        QTest::newRow("Delete key, archive list") << "key"
                                                  << "LVDB" << true << deleteArchivesQuestion;
        QTest::newRow("drop on the toolbar's Elimina") << "drop"
                                                       << "LVDB" << true << deleteArchivesQuestion;
    }
    void deleteGoesByTheActiveControl()
    {
        QFETCH(QString, how);
        QFETCH(QString, focus);
        QFETCH(bool, cardSelected);
        QFETCH(QString, question);
        explorer::FrmExplorer& window = openWithArchive();
        if (cardSelected)
            clickCard(0);
        auto* elsewhere = new QLineEdit(window.centralWidget());
        elsewhere->setObjectName(QStringLiteral("TxtAltro"));
        elsewhere->show();
        QWidget* focused = focus == QLatin1String("LVDB")        ? window.LVDB()
                           : focus == QLatin1String("LWModelli") ? static_cast<QWidget*>(window.LWModelli())
                                                                 : elsewhere;
        activate(window);
        focused->setFocus();
        QCOMPARE(window.focusWidget(), focused);
        if (!question.isEmpty())
            m_world->station.prompter.expectMessage(question, Answer::No);

        if (how == QLatin1String("menu")) {
            m_world->entry(QStringLiteral("MnuModifica_Elimina"))->trigger();
        } else if (how == QLatin1String("toolbar")) {
            window.toolBar().button(QStringLiteral("Elimina"))->trigger();
        } else if (how == QLatin1String("key")) {
            QTest::keyClick(focused, Qt::Key_Delete);
        } else {
            explorer::ExplorerToolBar& toolBar = window.toolBar();
            const QWidget* button = toolBar.widgetForAction(toolBar.button(6));
            const QPoint point = button->geometry().center();
            QMimeData files;
            files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/UOMO.mdb"))});
            dropOn(toolBar, point, files);
            QMimeData control;
            control.setData(explorer::ExplorerToolBar::controlDragFormat, QByteArrayLiteral("LVDB"));
            dropOn(toolBar, point, control);
        }
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(m_world->station.prompter.prompts().size(), question.isEmpty() ? 0 : 1);
    }

    void dropPointsPickTheButtonUnderThem()
    {
        explorer::ExplorerToolBar& toolBar = openWithArchive().toolBar();
        for (int index = 1; index <= toolBar.buttonCount(); ++index) {
            const QWidget* button = toolBar.widgetForAction(toolBar.button(index));
            QCOMPARE(toolBar.buttonAtDropPoint(button->x()), index);
            QCOMPARE(toolBar.buttonAtDropPoint(button->geometry().center().x()), index);
        }
        const QWidget* last = toolBar.widgetForAction(toolBar.button(toolBar.buttonCount()));
        QCOMPARE(toolBar.buttonAtDropPoint(last->x() + last->width()), toolBar.buttonCount());
        QCOMPARE(toolBar.buttonAtDropPoint(last->x() + last->width() + 1), 0);
    }

    void selectAllLeavesTheToolbarAlone()
    {
        explorer::FrmExplorer& window = openWithArchive();
        m_world->entry(QStringLiteral("MnuModifica_SelezionaTutti"))->trigger();
        QCOMPARE(window.cardList().selectedRows(), (QList<int>{0, 1, 2}));
        QVERIFY(!window.toolBar().button(QStringLiteral("Copia"))->isEnabled());
        window.LWModelli()->clearSelection();
        window.commands().MainToolBar_ButtonClick(QStringLiteral("SelezionaTutti"));
        QCOMPARE(window.cardList().selectedRows(), (QList<int>{0, 1, 2}));
    }

    void archiveLabelsRenameTheirFiles()
    {
        explorer::FrmExplorer& window = openWithArchive();
        QListWidget* archives = window.LVDB();
        renameLabel(*archives, QStringLiteral("UOMO"), QStringLiteral("UOMO2026"));
        QVERIFY(QFile::exists(WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("UOMO2026")))));
        QVERIFY(m_world->archiveItem(QStringLiteral("UOMO2026")));

        m_world->station.prompter.expectMessage(QStringLiteral("Caratteri in nome file non validi"), Answer::Ok);
        renameLabel(*archives, QStringLiteral("UOMO2026"), QStringLiteral("UOMO/2026"));
        QVERIFY(m_world->archiveItem(QStringLiteral("UOMO2026")));
        QVERIFY(!m_world->archiveItem(QStringLiteral("UOMO/2026")));
    }

    // Another program has the archive open: as on the platform, its file is neither deleted nor
    // renamed. The deletion says nothing and lists it again; the rename shows the error dialog.
    void anArchiveInUseElsewhereIsNeitherDeletedNorRenamed()
    {
        const QStringList usedKeys{QStringLiteral("U1"), QStringLiteral("U2")};
        m_world->makeArchiveWithKeys(QStringLiteral("LIBERO"), {QStringLiteral("L1")});
        m_world->makeArchiveWithKeys(QStringLiteral("USATO"), usedKeys);
        explorer::FrmExplorer& window = m_world->openWindow();
        QListWidget* archives = window.LVDB();
        const QString used = WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("USATO")));
        QFile original(used);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();
        {
            const ArchiveHolder holder(WindowWorld::archivePath(QStringLiteral("USATO")), QStringLiteral("shared"));
            QCOMPARE(holder.status(), QStringLiteral("open"));

            activate(window);
            archives->setFocus();
            archives->clearSelection();
            m_world->archiveItem(QStringLiteral("LIBERO"))->setSelected(true);
            m_world->archiveItem(QStringLiteral("USATO"))->setSelected(true);
            m_world->station.prompter.expectMessage(deleteArchivesQuestion, Answer::Yes);
            QTest::keyClick(archives, Qt::Key_Delete);
            QCOMPARE(m_world->station.prompter.remaining(), 0);
            QCOMPARE(m_world->archiveNames(), QStringList{QStringLiteral("USATO")});

            m_world->station.prompter.expectMessage(
                TextMatcher::matches(
                    QRegularExpression(QStringLiteral("^Errore numero : 75\r.*Durante FrmExplorer_LVDB_AfterLabelEdit"),
                                       QRegularExpression::DotMatchesEverythingOption)),
                Answer::Abort);
            renameLabel(*archives, QStringLiteral("USATO"), QStringLiteral("NUOVO"));
            QCOMPARE(m_world->station.prompter.remaining(), 0);
            QCOMPARE(m_world->archiveNames(), QStringList{QStringLiteral("USATO")});
            QVERIFY(!QFile::exists(WindowWorld::hostPath(WindowWorld::archivePath(QStringLiteral("NUOVO")))));
        }
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(original.readAll(), before);
        m_world->openArchive(QStringLiteral("USATO"));
        QCOMPARE(m_world->column(), usedKeys);
    }

    void exitClosesTheWindowStoringItsLayout()
    {
        openWithArchive();
        m_world->entry(QStringLiteral("MnuEsci"))->trigger();
        QTRY_VERIFY(!*m_world);
        QCOMPARE(m_world->station.readIni(QStringLiteral("Schedex.ini"), QStringLiteral("FrmExplorer"),
                                          QStringLiteral("Maximize")),
                 std::optional<QString>(QStringLiteral("0")));
    }

    void commandsReachTheirDialogs()
    {
        explorer::FrmExplorer& window = openWithArchive();
        ExplorerWorkstation& station = m_world->station;
        clickCard(0);

        station.prompter.expectFolder(QStringLiteral("Seleziona la cartella dove esportare le schede"), QString());
        m_world->entry(QStringLiteral("MnuSchede_Esporta"))->trigger();
        station.prompter.expectOpenFile(QStringLiteral("Seleziona la scheda da importare"), QString());
        m_world->entry(QStringLiteral("MnuSchede_Importa"))->trigger();
        station.prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Assicurati di avere aperto")),
                                       Answer::Cancel);
        window.toolBar().button(QStringLiteral("Fattura"))->trigger();
        station.prompter.expectSaveFile(QStringLiteral("Inserisci il nome del nuovo archivio schede"), QString());
        window.toolBar().button(QStringLiteral("Nuovo"))->trigger();
        QCOMPARE(station.prompter.remaining(), 0);

        store::explorerState().CadType = 3;
        station.prompter.expectOpenFile(QStringLiteral("Seleziona il file da aprire"), QString());
        m_world->entry(QStringLiteral("MnuImportaScheda"))->trigger();
        QCOMPARE(station.prompter.remaining(), 0);

        store::explorerState().CadType = 1;
        bool chooserShown = false;
        whenShown<explorer::FrmScegliArea>([&](explorer::FrmScegliArea& chooser) {
            chooserShown = chooser.isModal();
            chooser.reject();
        });
        m_world->entry(QStringLiteral("MnuImportaScheda"))->trigger();
        QVERIFY(chooserShown);

        bool configShown = false;
        whenShown<explorer::FrmConfig>([&](explorer::FrmConfig& dialog) {
            configShown = dialog.isModal() && dialog.parentWidget() == &window;
            dialog.reject();
        });
        m_world->entry(QStringLiteral("MnuConfigurazione"))->trigger();
        QVERIFY(configShown);
    }

private:
    explorer::FrmExplorer& openWithoutArchive()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"K2", "K1", "K3"});
        return m_world->openWindow();
    }

    explorer::FrmExplorer& openWithArchive()
    {
        explorer::FrmExplorer& window = openWithoutArchive();
        m_world->openArchive(QStringLiteral("UOMO"));
        return window;
    }

    QPoint rowCentre(int row) const { return m_world->window().cardList().rowRect(row).center(); }

    void clickCard(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(m_world->window().LWModelli()->viewport(), Qt::LeftButton, modifiers, rowCentre(row));
    }

    static void rightClick(QWidget* viewport, const QPoint& position)
    {
        QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, position);
    }

    // A drag entering the widget and dropped at point.
    static void dropOn(QWidget& target, const QPoint& point, const QMimeData& data)
    {
        QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent drop(QPointF(point), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
    }

    static void activate(QWidget& window)
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void renameLabel(QListWidget& archives, const QString& from, const QString& to)
    {
        QListWidgetItem* item = m_world->archiveItem(from);
        QVERIFY(item);
        activate(m_world->window());
        archives.setFocus();
        archives.setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(&archives, Qt::Key_F2);
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = archives.viewport()->findChild<QLineEdit*>()) != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, to);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!archives.viewport()->findChild<QLineEdit*>() ||
                    !archives.viewport()->findChild<QLineEdit*>()->isVisible());
    }

    std::unique_ptr<WindowWorld> m_world;
};

TRAMEX_QT_TEST(FrmExplorerMenusTest);

#include "FrmExplorerMenusTest.moc"
