#include <memory>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/FrmConfig.h"
#include "explorer/FrmExplorer.h"
#include "explorer/FrmScegliArea.h"
#include "explorer/store/ExplorerState.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WhenShown.h"
#include "tests/support/WindowWorld.h"

namespace {

enum class List { Archives, Cards };
enum class Selection { None, Item };

void pressMenuKey(QWidget& control, bool shiftF10)
{
    if (shiftF10)
        QTest::keyClick(&control, Qt::Key_F10, Qt::ShiftModifier);
    else
        QTest::keyClick(&control, Qt::Key_Menu);
}

QStringList accessibleItemNames(QAccessibleInterface& list)
{
    QStringList names;
    for (int index = 0; index < list.childCount(); ++index)
        names.append(list.child(index)->text(QAccessible::Name));
    return names;
}

QStringList enabledEntries(const QMenu& menu)
{
    QStringList enabled;
    for (const QAction* entry : menu.actions()) {
        if (entry->isVisible() && !entry->isSeparator() && entry->isEnabled())
            enabled.append(explorer::ExplorerMenus::caption(*entry));
    }
    return enabled;
}

} // namespace

// The main window and its dialogs from the keyboard alone, and as a screen reader meets them.
class FrmExplorerKeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<WindowWorld>();
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"K2", "K1"});
        m_world->makeArchiveWithKeys(QStringLiteral("DONNA"), {"D1"});
    }
    void cleanup()
    {
        for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
            popup->close();
        m_world.reset();
    }

    void returnOpensTheSelectedArchive()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        QListWidget* archives = window.LVDB();
        archives->setFocus();
        archives->setCurrentItem(m_world->archiveItem(QStringLiteral("UOMO")), QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(archives, Qt::Key_Return);
        QCOMPARE(m_world->column(), (QStringList{"K1", "K2"}));
        QCOMPARE(window.archiveIcon(m_world->archiveItem(QStringLiteral("UOMO"))), 2);
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("UOMO"));

        // Nothing selected: Return opens nothing.
        archives->clearSelection();
        QTest::keyClick(archives, Qt::Key_Return);
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("UOMO"));
    }

    // A screen reader meets each archive as an item named by its label, and opens it with the
    // item's press action as Return does; the items follow the list when it is read again.
    void screenReaderItemsOpenTheirArchive()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.LVDB());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(accessibleItemNames(*list), (QStringList{"DONNA", "UOMO"}));

        QAccessibleInterface* uomo = list->child(1);
        QCOMPARE(uomo->role(), QAccessible::ListItem);
        QCOMPARE(uomo->parent(), list);
        QCOMPARE(list->indexOfChild(uomo), 1);
        QAccessibleActionInterface* actions = uomo->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(!uomo->state().selected);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_world->column(), (QStringList{"K1", "K2"}));
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("UOMO"));
        QVERIFY(uomo->state().selected);
        QCOMPARE(list->childAt(uomo->rect().center().x(), uomo->rect().center().y()), uomo);

        list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(window.LVDB()->hasFocus());
        QCOMPARE(list->focusChild()->text(QAccessible::Name), QStringLiteral("DONNA"));

        m_world->makeArchiveWithKeys(QStringLiteral("BAMBINO"), {"B1"});
        QTest::keyClick(window.LVDB(), Qt::Key_F5);
        QCOMPARE(accessibleItemNames(*list), (QStringList{"BAMBINO", "DONNA", "UOMO"}));
        list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_world->column(), QStringList{"B1"});
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("BAMBINO"));
    }

    // Shift+F10 and the Menu key open the focused list's menu at its selection, its entries
    // enabled by the rules of a right click.
    void menuKeysOpenTheFocusedListsPopUp_data()
    {
        QTest::addColumn<bool>("shiftF10");
        QTest::addColumn<List>("list");
        QTest::addColumn<Selection>("selection");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("enabled");
        for (const bool shiftF10 : {true, false}) {
            const QByteArray key = shiftF10 ? "Shift+F10" : "Menu key";
            QTest::newRow(key + ", archive selected") << shiftF10 << List::Archives << Selection::Item << "LVDBMnuOver"
                                                      << QStringList{"&Compatta", "&Invia a..", "&Elimina"};
            QTest::newRow(key + ", no archive selected")
                << shiftF10 << List::Archives << Selection::None << "LVDBMnuNoOver"
                << QStringList{"&Nuovo archivio", "&Compatta tutti", "A&ggiorna", "&Percorso database"};
            QTest::newRow(key + ", card selected")
                << shiftF10 << List::Cards << Selection::Item << "MnuLWModelli"
                << QStringList{"Taglia",   "&Copia",   "&Invia a...", "Seleziona tutti",
                               "&Elimina", "E&sporta", "&Importa"};
            QTest::newRow(key + ", no card selected") << shiftF10 << List::Cards << Selection::None << "MnuLWModelli"
                                                      << QStringList{"Seleziona tutti", "&Importa"};
        }
    }
    void menuKeysOpenTheFocusedListsPopUp()
    {
        QFETCH(bool, shiftF10);
        QFETCH(List, list);
        QFETCH(Selection, selection);
        QFETCH(QString, menu);
        QFETCH(QStringList, enabled);
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("UOMO"));
        QAbstractItemView* control = window.LVDB();
        QRect selected;
        if (list == List::Archives) {
            QListWidgetItem* item = m_world->archiveItem(QStringLiteral("DONNA"));
            window.LVDB()->setCurrentItem(item, selection == Selection::Item ? QItemSelectionModel::ClearAndSelect
                                                                             : QItemSelectionModel::Clear);
            selected = window.LVDB()->visualItemRect(item);
        } else {
            control = window.LWModelli();
            window.cardList().setCurrentRow(1, selection == Selection::Item ? QItemSelectionModel::ClearAndSelect
                                                                            : QItemSelectionModel::Clear);
            selected = window.cardList().rowRect(1);
        }
        control->setFocus();
        pressMenuKey(*control, shiftF10);
        QMenu* shown = nullptr;
        QTRY_VERIFY((shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
        QCOMPARE(shown->objectName(), menu);
        QCOMPARE(enabledEntries(*shown), enabled);
        if (selection == Selection::Item)
            QVERIFY(
                QRect(control->viewport()->mapToGlobal(selected.topLeft()), selected.size()).contains(shown->pos()));
        if (list == List::Archives && selection == Selection::Item)
            QCOMPARE(window.LVDB()->selectedItems().size(), 1);
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_VERIFY(!shown->isVisible());
    }

    // A new archive made outside the program appears with F5; the open one stays open.
    void f5ReadsTheArchiveListAgain()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("UOMO"));
        m_world->makeArchiveWithKeys(QStringLiteral("BAMBINO"), {"B1"});
        QCOMPARE(m_world->archiveNames(), (QStringList{"DONNA", "UOMO"}));
        window.LVDB()->setFocus();
        QTest::keyClick(window.LVDB(), Qt::Key_F5);
        QCOMPARE(m_world->archiveNames(), (QStringList{"BAMBINO", "DONNA", "UOMO"}));
        QCOMPARE(window.archiveIcon(m_world->archiveItem(QStringLiteral("UOMO"))), 2);
        QCOMPARE(window.archiveIcon(m_world->archiveItem(QStringLiteral("BAMBINO"))), 1);
        QCOMPARE(window.LVDB()->selectedItems(), QList<QListWidgetItem*>{m_world->archiveItem(QStringLiteral("UOMO"))});
    }

    void tabMovesBetweenTheListsAndTheToolbar()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("UOMO"));
        window.LVDB()->setFocus();
        QTest::keyClick(window.LVDB(), Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), window.LWModelli());
        QTest::keyClick(window.LWModelli(), Qt::Key_Tab);
        QVERIFY(window.focusWidget() && window.focusWidget()->parentWidget() == window.MainToolBar());
        QCOMPARE(window.focusWidget()->accessibleName(), QStringLiteral("Esci da Schedex"));
    }

    // Every control of every window can be named by a screen reader and reached with Tab.
    void everyWindowsControlsAreNamedAndReached()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("UOMO"));
        expectEveryControlNamed(window);
        expectEveryControlReachable(window);
        QCOMPARE(window.LVDB()->accessibleName(), QStringLiteral("Archivi"));
        QCOMPARE(window.LWModelli()->accessibleName(), QStringLiteral("Schede"));

        explorer::FrmConfig config(window);
        expectEveryControlNamed(config);
        expectEveryControlReachable(config);
        QCOMPARE(config.findChild<QComboBox*>(QStringLiteral("CmbColoreFinestraDB"))->accessibleName(),
                 QStringLiteral("Colore sfondo, Finestra dei database"));
        QCOMPARE(config.findChild<QComboBox*>(QStringLiteral("CmbColoreFinestraModelli"))->accessibleName(),
                 QStringLiteral("Colore sfondo, Finestra delle schede"));

        explorer::FrmScegliArea areas(&window);
        expectEveryControlNamed(areas);
        expectEveryControlReachable(areas);
    }

private:
    std::unique_ptr<WindowWorld> m_world;
};

TRAMEX_QT_TEST(FrmExplorerKeyboardTest);

#include "FrmExplorerKeyboardTest.moc"
