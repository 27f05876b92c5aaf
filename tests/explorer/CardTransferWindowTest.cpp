#include <memory>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "explorer/ArchiveListView.h"
#include "explorer/CardDragAndDrop.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/ExplorerToolBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/CardDragData.h"
#include "platform/Workstation.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/WindowWorld.h"
#include "ui/QtKeyState.h"

using interaction::Answer;
using interaction::Key;
using interaction::TextMatcher;
using namespace Qt::StringLiterals;

namespace {

const QString noOpenArchive = QStringLiteral("Seleziona un database con doppio click, poi riprova");

struct DropOutcome {
    bool moveAccepted = false;
    bool dropAccepted = false;
};

// A drag entering the list's viewport, moving to point and dropped there, as the platform delivers it.
DropOutcome dropOn(QAbstractItemView& list, const QPoint& point, const QMimeData& data,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    QWidget* viewport = list.viewport();
    QDragEnterEvent enter(point, allowed, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(point, allowed, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(point, allowed, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &drop);
    return {move.isAccepted(), drop.isAccepted()};
}

std::unique_ptr<QMimeData> cardsOf(const QString& archive, const QStringList& keys)
{
    return transfer::cardDragData::encode(QStringList{WindowWorld::archivePath(archive)} + keys);
}

// A key that ends the literal early and turns the condition into one every card meets.
const QString hostile = QStringLiteral("X' OR 'a'='a");

TextMatcher errorDialog(int number, const QString& procedure)
{
    return TextMatcher::matches(QRegularExpression(QStringLiteral("^Errore numero : %1\r.*\rDurante %2\r\r$")
                                                       .arg(number)
                                                       .arg(QRegularExpression::escape(procedure)),
                                                   QRegularExpression::DotMatchesEverythingOption));
}

} // namespace

class CardTransferWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<WindowWorld>();
        m_world->makeArchiveWithKeys(QStringLiteral("DONNA"), {"D1", "D2", "D3"});
        m_world->makeArchiveWithKeys(QStringLiteral("UOMO"), {"U1"});
    }
    void cleanup()
    {
        for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
            popup->close();
        m_world.reset();
    }

    void pasteIntoTheOpenArchiveItselfDoesNothing()
    {
        openDonnaWithSelection({0, 1});
        m_world->entry(QStringLiteral("MnuModifica_Incolla"))->trigger();
        QCOMPARE(m_world->column(), (QStringList{"D1", "D2", "D3"}));
        QCOMPARE(selectedRows(), (QList<int>{0, 1}));
        QVERIFY(m_world->window().PrgBar()->isHidden());
        QVERIFY(m_world->station.prompter.prompts().isEmpty());
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), (QStringList{"D1", "D2", "D3"}));
    }

    // Cut, then Copy: the paste copies, deselects the copied rows and leaves the source whole.
    void cutThenCopyThenPasteCopies()
    {
        explorer::FrmExplorer& window = openDonnaWithSelection({0, 2});
        useCardMenuKey(Qt::Key_X);
        QVERIFY(window.MovePending);
        QCOMPARE(ghostedRows(), (QList<int>{0, 2}));

        window.toolBar().button(QStringLiteral("Copia"))->trigger();
        QVERIFY(!window.MovePending);
        QCOMPARE(ghostedRows(), QList<int>{});

        selectArchive(QStringLiteral("UOMO"));
        m_world->entry(QStringLiteral("MnuModifica_Incolla"))->trigger();
        QCOMPARE(m_world->column(), (QStringList{"D1", "D2", "D3"}));
        QCOMPARE(selectedRows(), QList<int>{});
        QVERIFY(window.PrgBar()->isHidden());
        QVERIFY(m_world->station.prompter.prompts().isEmpty());
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), (QStringList{"D1", "D3", "U1"}));
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), (QStringList{"D1", "D2", "D3"}));
    }

    // The marks of a Cut stay on their cards through a sort, until the archive is opened again.
    void cutMarksFollowASortUntilTheListIsFilledAgain()
    {
        explorer::FrmExplorer& window = openDonnaWithSelection({0, 1});
        useCardMenuKey(Qt::Key_X);
        QCOMPARE(ghostedRows(), (QList<int>{0, 1}));
        const QHeaderView* header = window.LWModelli()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(m_world->column(), (QStringList{"D3", "D2", "D1"}));
        QCOMPARE(ghostedRows(), (QList<int>{1, 2}));
        QCOMPARE(selectedRows(), (QList<int>{1, 2}));

        m_world->openArchive(QStringLiteral("DONNA"));
        QCOMPARE(m_world->column(), (QStringList{"D1", "D2", "D3"}));
        QCOMPARE(ghostedRows(), QList<int>{});
    }

    // Copy, then Cut: the paste moves without asking and the card list shows what is left.
    void copyThenCutThenPasteMoves()
    {
        explorer::FrmExplorer& window = openDonnaWithSelection({1});
        useCardMenuKey(Qt::Key_C);
        QVERIFY(!window.MovePending);
        window.toolBar().button(QStringLiteral("Taglia"))->trigger();
        QVERIFY(window.MovePending);
        QCOMPARE(ghostedRows(), QList<int>{1});

        selectArchive(QStringLiteral("UOMO"));
        window.SetMnuLVDB();
        QTest::keyClick(window.LVDB(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_world->column(), (QStringList{"D1", "D3"}));
        QCOMPARE(ghostedRows(), QList<int>{});
        QVERIFY(!window.MovePending);
        QVERIFY(m_world->station.prompter.prompts().isEmpty());
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), (QStringList{"D2", "U1"}));
    }

    // Every menu entry and toolbar button leads to its command: Cut and Copy set what the next
    // paste does, Paste copies the selected card into the archive selected in the archive list.
    void everyEntryLeadsToItsCommand_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("toolBarButton");
        QTest::addColumn<QString>("command");
        QTest::newRow("card menu Taglia") << "MnuLWModelliTaglia" << false << "cut";
        QTest::newRow("Modifica Taglia") << "MnuModifica_Taglia" << false << "cut";
        QTest::newRow("toolbar Taglia") << "Taglia" << true << "cut";
        QTest::newRow("card menu Copia") << "MnuLWModelliCopia" << false << "copy";
        QTest::newRow("Modifica Copia") << "MnuModifica_Copia" << false << "copy";
        QTest::newRow("toolbar Copia") << "Copia" << true << "copy";
        QTest::newRow("archive menu Incolla") << "MnuDBIncolla" << false << "paste";
        QTest::newRow("Modifica Incolla") << "MnuModifica_Incolla" << false << "paste";
        QTest::newRow("toolbar Incolla") << "Incolla" << true << "paste";
    }
    void everyEntryLeadsToItsCommand()
    {
        QFETCH(QString, entry);
        QFETCH(bool, toolBarButton);
        QFETCH(QString, command);
        explorer::FrmExplorer& window = openDonnaWithSelection({1});
        window.SetMnuLWModelli();
        const bool cutBefore = command == QLatin1String("copy");
        window.MovePending = cutBefore;
        selectArchive(QStringLiteral("UOMO"));
        window.SetMnuLVDB();
        QAction* action = toolBarButton ? window.toolBar().button(entry) : m_world->entry(entry);
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(window.MovePending, command == QLatin1String("cut"));
        const QStringList expected = command == QLatin1String("paste") ? QStringList{"D2", "U1"} : QStringList{"U1"};
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), expected);
    }

    void dragDataNamesTheOpenArchiveAndTheSelectedKeys()
    {
        openDonnaWithSelection({0, 2});
        const std::unique_ptr<QMimeData> data = m_world->window().findChild<explorer::CardDragAndDrop*>()->dragData();
        QCOMPARE(transfer::cardDragData::decode(*data),
                 (QStringList{store::explorerState().currentArchivePath(true), "D1", "D3"}));
    }

    // Over the archive list Shift refuses the drop; without it the cards are copied into the
    // archive under the pointer and the source keeps them.
    void dropOnTheArchiveListCopiesUnlessShiftIsHeld()
    {
        explorer::FrmExplorer& window = openDonnaWithSelection({0});
        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("DONNA"), {"D1", "D2"});

        m_world->station.keys.hold(Key::Shift);
        DropOutcome outcome = dropOn(*window.LVDB(), itemCentre(QStringLiteral("UOMO")), *data, Qt::ShiftModifier);
        QVERIFY(!outcome.moveAccepted);
        QVERIFY(!outcome.dropAccepted);
        QVERIFY(window.MovePending);
        QCOMPARE(window.cardList().dragImage(), 6);
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), QStringList{"U1"});

        m_world->station.keys.release(Key::Shift);
        outcome = dropOn(*window.LVDB(), itemCentre(QStringLiteral("UOMO")), *data);
        QVERIFY(outcome.moveAccepted);
        QVERIFY(outcome.dropAccepted);
        QVERIFY(!window.MovePending);
        QCOMPARE(window.archiveList().dropTarget(), nullptr);
        QCOMPARE(m_world->column(), (QStringList{"D1", "D2", "D3"}));
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), (QStringList{"D1", "D2", "U1"}));
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), (QStringList{"D1", "D2", "D3"}));
    }

    // Drops that lead nowhere: onto the open archive's own item, back onto the list the cards
    // came from, and data from other programs.
    void dropsOntoTheSourceOrWithForeignDataDoNothing()
    {
        explorer::FrmExplorer& window = openDonnaWithSelection({0});
        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("DONNA"), {"D1"});
        dropOn(*window.LVDB(), itemCentre(QStringLiteral("DONNA")), *data);
        dropOn(*window.LWModelli(), window.LWModelli()->viewport()->rect().center(), *data);

        QMimeData text;
        text.setText(QStringLiteral("D1"));
        QVERIFY(!dropOn(*window.LVDB(), itemCentre(QStringLiteral("UOMO")), text).dropAccepted);
        QVERIFY(!dropOn(*window.LWModelli(), QPoint(5, 5), text).dropAccepted);

        QVERIFY(m_world->station.prompter.prompts().isEmpty());
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), (QStringList{"D1", "D2", "D3"}));
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), QStringList{"U1"});
    }

    void dropOnTheCardListWithoutAnOpenArchiveAsksForOne()
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->station.prompter.expectMessage(noOpenArchive, Answer::Ok);
        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("DONNA"), {"D1"});
        QVERIFY(dropOn(*window.LWModelli(), QPoint(5, 5), *data).dropAccepted);
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), QStringList{"U1"});
    }

    // Cards from another explorer arrive in the open archive, asking before one is replaced.
    void dropOnTheCardListCopiesIntoTheOpenArchive()
    {
        m_world->makeArchiveWithKeys(QStringLiteral("ALTRO"), {"D1", "X1"});
        explorer::FrmExplorer& window = openDonnaWithSelection({});
        m_world->station.prompter.expectMessage(QStringLiteral("Il modello D1 esiste, lo vuoi sovrascrivere ?"),
                                                Answer::No);
        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("ALTRO"), {"D1", "X1"});
        QVERIFY(dropOn(*window.LWModelli(), QPoint(5, 5), *data, Qt::ShiftModifier).dropAccepted);
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(m_world->column(), (QStringList{"D1", "D2", "D3", "X1"}));
    }

    // Another explorer process receives the payload this one encodes and the cards arrive.
    void cardsTravelToAnotherExplorerProcess()
    {
        openDonnaWithSelection({0, 2});
        const std::unique_ptr<QMimeData> data = m_world->window().findChild<explorer::CardDragAndDrop*>()->dragData();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile payload(folder.filePath(QStringLiteral("payload")));
        QVERIFY(payload.open(QIODevice::WriteOnly));
        payload.write(data->data(transfer::cardDragData::MimeType));
        payload.close();

        QProcess receiver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), platform::Workstation::current().root());
        receiver.setProcessEnvironment(environment);
        receiver.start(qEnvironmentVariable("TRAMEX_BIN_DIR") + QStringLiteral("/card_drop_receiver"),
                       {payload.fileName(), QStringLiteral("UOMO")});
        QVERIFY(receiver.waitForFinished(60000));
        QCOMPARE(receiver.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(receiver.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{"D1", "D3", "U1"}));
        QCOMPARE(cardsIn(QStringLiteral("UOMO")), (QStringList{"D1", "D3", "U1"}));
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), (QStringList{"D1", "D2", "D3"}));
    }

    // The open archive held by another program: the drop on the card list reports it in its own
    // error dialog; Retry succeeds once the other program lets go, Abort ends the drop. Either
    // way the progress bar goes and the program lives on.
    void aDropOnAnArchiveHeldElsewhereAsksAndGoesOn_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("cards");
        QTest::newRow("retry") << Answer::Retry << QStringList{u"D1"_s, u"D2"_s, u"D3"_s, u"U1"_s};
        QTest::newRow("abort") << Answer::Abort << QStringList{};
    }
    void aDropOnAnArchiveHeldElsewhereAsksAndGoesOn()
    {
        QFETCH(Answer, answer);
        QFETCH(QStringList, cards);
        explorer::FrmExplorer& window = openDonnaWithSelection({});
        auto holder = std::make_unique<ArchiveHolder>(WindowWorld::archivePath(QStringLiteral("DONNA")),
                                                      QStringLiteral("exclusive"));
        QCOMPARE(holder->status(), QStringLiteral("open"));
        interaction::ScriptedPrompter& prompter = m_world->station.prompter;
        prompter.expectMessage(errorDialog(3045, QStringLiteral("FrmExplorer_LWModelli_OLEDragDrop")), answer, [&] {
            QVERIFY(window.PrgBar()->isVisible());
            if (answer == Answer::Retry)
                holder.reset();
        });
        // The list cannot be read again while the archive is held.
        if (answer == Answer::Abort)
            prompter.expectMessage(errorDialog(3045, QStringLiteral("FrmExplorer_FillLWModelli")), Answer::Abort);

        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("UOMO"), {u"U1"_s});
        QVERIFY(dropOn(*window.LWModelli(), QPoint(5, 5), *data).dropAccepted);

        QCOMPARE(prompter.remaining(), 0);
        QVERIFY(window.isVisible());
        QVERIFY(window.PrgBar()->isHidden());
        QCOMPARE(window.STBar()->panelText(1), QString());
        QCOMPARE(m_world->column(), cards);
        holder.reset();
        const QStringList stored = answer == Answer::Retry ? cards : QStringList{u"D1"_s, u"D2"_s, u"D3"_s};
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), stored);
    }

    // An Esc that closed a pop-up menu earlier does not stop the next deletion at its first card.
    void anEscBeforeADeletionDoesNotStopIt()
    {
        ui::QtKeyState keyboard;
        interaction::Seams::Installation realKeyboard;
        realKeyboard.setKeyState(keyboard);
        explorer::FrmExplorer& window = openDonnaWithSelection({0, 1});
        explorer::CardListView* cards = window.LWModelli();
        QTest::mouseClick(cards->viewport(), Qt::RightButton, Qt::NoModifier, cards->rowRect(0).center());
        QMenu* menu = window.menus().MnuLWModelli();
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());

        m_world->station.prompter.expectMessage(
            QStringLiteral("Confermi l'eliminazione della/e scheda/e selezionata/e ?"), Answer::Yes);
        QVERIFY(m_world->entry(QStringLiteral("MnuLWElimina"))->isEnabled());
        m_world->entry(QStringLiteral("MnuLWElimina"))->trigger();

        QCOMPARE(m_world->column(), QStringList{u"D3"_s});
        QCOMPARE(cardsIn(QStringLiteral("DONNA")), QStringList{u"D3"_s});
    }

    // Keys holding apostrophes stand in every transfer statement as the card they name: only
    // that card is copied, moved or replaced.
    void hostileKeysTouchOnlyTheirCard_data()
    {
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("targetAfter");
        QTest::addColumn<QStringList>("sourceAfter");
        const QStringList source{u"O'NEIL"_s, u"S1"_s, hostile};
        QTest::newRow("paste") << u"paste"_s << QStringList{hostile, u"O'NEIL"_s} << u"UOMO"_s
                               << QStringList{u"O'NEIL"_s, u"U1"_s, hostile} << source;
        QTest::newRow("move") << u"move"_s << QStringList{hostile, u"O'NEIL"_s} << u"UOMO"_s
                              << QStringList{u"O'NEIL"_s, u"U1"_s, hostile} << QStringList{u"S1"_s};
        QTest::newRow("drop on the archive list") << u"archive drop"_s << QStringList{hostile, u"O'NEIL"_s} << u"UOMO"_s
                                                  << QStringList{u"O'NEIL"_s, u"U1"_s, hostile} << source;
        QTest::newRow("drop on the card list, replacing")
            << u"card drop"_s << QStringList{hostile} << u"META"_s << QStringList{u"T1"_s, u"T2"_s, hostile} << source;
        QTest::newRow("foreign payload") << u"card drop"_s << QStringList{u"' OR ''='"_s} << u"META"_s
                                         << QStringList{u"T1"_s, u"T2"_s, hostile} << source;
    }
    void hostileKeysTouchOnlyTheirCard()
    {
        QFETCH(QString, transfer);
        QFETCH(QStringList, keys);
        QFETCH(QString, target);
        QFETCH(QStringList, targetAfter);
        QFETCH(QStringList, sourceAfter);
        m_world->makeArchiveWithKeys(QStringLiteral("FONTE"), {hostile, u"O'NEIL"_s, u"S1"_s});
        m_world->makeArchiveWithKeys(QStringLiteral("META"), {hostile, u"T1"_s, u"T2"_s});
        explorer::FrmExplorer& window = m_world->openWindow();
        const std::unique_ptr<QMimeData> data = cardsOf(QStringLiteral("FONTE"), keys);
        if (transfer == QLatin1String("paste") || transfer == QLatin1String("move")) {
            m_world->openArchive(QStringLiteral("FONTE"));
            explorer::CardListView& cards = window.cardList();
            for (int row = 0; row < cards.rowCount(); ++row)
                cards.setRowSelected(row, keys.contains(cards.rowText(row)));
            window.SetMnuLWModelli();
            window.MovePending = transfer == QLatin1String("move");
            selectArchive(target);
            window.SetMnuLVDB();
            QAction* paste = m_world->entry(QStringLiteral("MnuDBIncolla"));
            QVERIFY(paste->isEnabled());
            paste->trigger();
        } else if (transfer == QLatin1String("archive drop")) {
            m_world->openArchive(QStringLiteral("DONNA"));
            QVERIFY(dropOn(*window.LVDB(), itemCentre(target), *data).dropAccepted);
        } else {
            m_world->openArchive(target);
            if (keys.contains(hostile)) {
                m_world->station.prompter
                    .expectMessage(QStringLiteral("Il modello ") + hostile +
                                       QStringLiteral(" esiste, lo vuoi sovrascrivere ?"),
                                   Answer::Yes)
                    .expectMessage(QStringLiteral("Sovrascrivo tutti i modelli senza chiede conferma ?"), Answer::No);
            }
            QVERIFY(dropOn(*window.LWModelli(), QPoint(5, 5), *data).dropAccepted);
        }
        QCOMPARE(m_world->station.prompter.remaining(), 0);
        QCOMPARE(cardsIn(target), targetAfter);
        QCOMPARE(cardsIn(QStringLiteral("FONTE")), sourceAfter);
    }

private:
    explorer::FrmExplorer& openDonnaWithSelection(const QList<int>& rows)
    {
        explorer::FrmExplorer& window = m_world->openWindow();
        m_world->openArchive(QStringLiteral("DONNA"));
        explorer::CardListView* cards = window.LWModelli();
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (int row : rows) {
            const QPoint centre = cards->rowRect(row).center();
            QTest::mouseClick(cards->viewport(), Qt::LeftButton, modifiers, centre);
            modifiers = Qt::ControlModifier;
        }
        return window;
    }

    // The card list's pop-up menu sets which of its keys act; then the key is pressed.
    void useCardMenuKey(Qt::Key key)
    {
        explorer::FrmExplorer& window = m_world->window();
        explorer::CardListView* cards = window.LWModelli();
        const QPoint row = cards->rowRect(0).center();
        QTest::mouseClick(cards->viewport(), Qt::RightButton, Qt::NoModifier, row);
        window.menus().MnuLWModelli()->close();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        cards->setFocus();
        QTest::keyClick(cards, key, Qt::ControlModifier);
    }

    void selectArchive(const QString& name)
    {
        QListWidget* archives = m_world->window().LVDB();
        archives->setCurrentItem(m_world->archiveItem(name), QItemSelectionModel::ClearAndSelect);
    }

    QPoint itemCentre(const QString& name) const
    {
        QListWidget* archives = m_world->window().LVDB();
        return archives->visualItemRect(m_world->archiveItem(name)).center();
    }

    QList<int> selectedRows() const { return m_world->window().cardList().selectedRows(); }

    QList<int> ghostedRows() const
    {
        QList<int> rows;
        const explorer::CardListView& cards = m_world->window().cardList();
        for (int row = 0; row < cards.rowCount(); ++row) {
            if (cards.isRowGhosted(row))
                rows.append(row);
        }
        return rows;
    }

    // The keys the archive holds, as opening it in a second window shows them.
    QStringList cardsIn(const QString& archive) const
    {
        const QString current = store::explorerState().CurrentArchive;
        explorer::FrmExplorer reader;
        reader.findArchiveItem(archive)->setSelected(true);
        reader.LVDB_DblClick();
        QStringList keys;
        for (int row = 0; row < reader.cardList().rowCount(); ++row)
            keys.append(reader.cardList().rowText(row));
        store::explorerState().CurrentArchive = current;
        return keys;
    }

    std::unique_ptr<WindowWorld> m_world;
};

TRAMEX_QT_TEST(CardTransferWindowTest);

#include "CardTransferWindowTest.moc"
