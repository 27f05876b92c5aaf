#include "explorer/ArchiveMaintenance.h"

#include <csignal>
#include <memory>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QProgressBar>
#include <QTest>

#include "explorer/CardListView.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "platform/Workstation.h"
#include "tests/explorer/MaintenanceWorkstation.h"
#include "tests/support/QtTestMain.h"

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;
using interaction::ScriptedPrompter;
using interaction::TextMatcher;

namespace {

const QString dbrefitCalls = QStringLiteral("Dbrefit");
const QString newArchiveTitle = QStringLiteral("Inserisci il nome del nuovo archivio schede");

QStringList beganAndEnded(const QStringList& arguments)
{
    QStringList calls;
    for (const QString& argument : arguments)
        calls << QStringLiteral("begin ") + argument << QStringLiteral("end ") + argument;
    return calls;
}

QStringList hiddenFilesOfTheArchiveFolder()
{
    QStringList names = QDir(MaintenanceWorkstation::hostPath(MaintenanceWorkstation::archiveFolder))
                            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return !name.startsWith(u'.'); });
    return names;
}

// Starts the built utility compacting the archive and kills it as soon as its temporary copy
// appears beside the archive; false when it finished first every time it was tried.
bool killCompactionHalfway(const QString& name)
{
    const QString folder = MaintenanceWorkstation::hostPath(MaintenanceWorkstation::archiveFolder);
    const QString temporary = QStringLiteral(".~") + name + QStringLiteral(".mdb.");
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int watcher = ::inotify_init1(IN_CLOEXEC);
        if (watcher < 0 || ::inotify_add_watch(watcher, QFile::encodeName(folder).constData(), IN_CREATE) < 0)
            return false;
        QProcess utility;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), platform::Workstation::current().root());
        utility.setProcessEnvironment(environment);
        utility.start(qEnvironmentVariable("TRAMEX_BIN_DIR") + QStringLiteral("/Dbrefit"),
                      {QStringLiteral("convert,") + MaintenanceWorkstation::archiveFolder + name});
        bool killed = false;
        pollfd created{watcher, POLLIN, 0};
        alignas(inotify_event) char events[4096];
        while (!killed && ::poll(&created, 1, 10000) > 0) {
            const ssize_t length = ::read(watcher, events, sizeof events);
            for (ssize_t offset = 0; offset < length && !killed;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + offset);
                if (event->len > 0 && QFile::decodeName(event->name).startsWith(temporary)) {
                    ::kill(pid_t(utility.processId()), SIGKILL);
                    killed = true;
                }
                offset += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        ::close(watcher);
        utility.waitForFinished(30000);
        if (killed && utility.exitStatus() == QProcess::CrashExit && !hiddenFilesOfTheArchiveFolder().isEmpty())
            return true;
    }
    return false;
}

} // namespace

class ArchiveMaintenanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<MaintenanceWorkstation>(); }
    void cleanup()
    {
        m_maintenance.reset();
        delete m_window.data();
        m_world.reset();
    }

    void compactingTheSelectedArchivesRunsTheUtilityForEachInTurn()
    {
        for (const char* name : {"A", "B", "C"})
            MaintenanceWorkstation::makeArchive(QString::fromLatin1(name));
        MaintenanceWorkstation::installRecorder(QStringLiteral("Dbrefit"));
        open();
        select({QStringLiteral("A"), QStringLiteral("C")});
        m_maintenance->MnuDBCompatta();
        QCOMPARE(
            MaintenanceWorkstation::recordedCalls(dbrefitCalls),
            beganAndEnded({QStringLiteral("convert,C:\\Schede\\A.mdb"), QStringLiteral("convert,C:\\Schede\\C.mdb")}));
        QVERIFY(m_window->LVDB()->selectedItems().isEmpty());
        QVERIFY(m_window->PrgBar()->isHidden());
        QCOMPARE(m_window->STBar()->panelText(1), QString());
    }

    // From the keyboard alone: the archive chosen with the arrows, its menu opened with Shift+F10,
    // the entry taken by its access key.
    void compactingFromTheKeyboardAlone()
    {
        for (const char* name : {"A", "B"})
            MaintenanceWorkstation::makeArchive(QString::fromLatin1(name));
        MaintenanceWorkstation::installRecorder(dbrefitCalls);
        open();
        QListWidget* archives = m_window->LVDB();
        archives->setFocus();
        QTest::keyClick(archives, Qt::Key_Home);
        QTest::keyClick(archives, Qt::Key_Right);
        QCOMPARE(selectedArchives(), QStringList{QStringLiteral("B")});
        QTest::keyClick(archives, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
        QCOMPARE(menu, m_window->menus().LVDBMnuOver());
        QTest::keyClick(menu, Qt::Key_C);
        QTRY_COMPARE(MaintenanceWorkstation::recordedCalls(dbrefitCalls),
                     beganAndEnded({QStringLiteral("convert,C:\\Schede\\B.mdb")}));
    }

    void compactingAllPassesThePathsWithoutExtensionAndKeepsTheSelection()
    {
        for (const char* name : {"B", "A"})
            MaintenanceWorkstation::makeArchive(QString::fromLatin1(name));
        MaintenanceWorkstation::installRecorder(QStringLiteral("Dbrefit.exe"));
        open();
        select({QStringLiteral("B")});
        m_maintenance->MnuDBCompattaTutti();
        QCOMPARE(MaintenanceWorkstation::recordedCalls(QStringLiteral("Dbrefit.exe")),
                 beganAndEnded({QStringLiteral("convert,C:\\Schede\\A"), QStringLiteral("convert,C:\\Schede\\B")}));
        QCOMPARE(selectedArchives(), QStringList{QStringLiteral("B")});
        QVERIFY(m_window->PrgBar()->isHidden());
    }

    // The real utility, beside the program: the archive is compacted and still lists its cards.
    void theBuiltUtilityCompactsAnArchiveInPlace()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1"), QStringLiteral("K2")});
        MaintenanceWorkstation::installBuiltProgram(QStringLiteral("Dbrefit"), QStringLiteral("Dbrefit.exe"));
        open();
        select({QStringLiteral("A")});
        m_maintenance->MnuDBCompatta();
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("A")), QStringList({"K1", "K2"}));
    }

    void aKilledCompactionsLeftoversGoWithTheNextOne()
    {
        QStringList keys;
        for (int key = 1000; key < 4000; ++key)
            keys.append(QStringLiteral("K%1").arg(key));
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), keys);
        MaintenanceWorkstation::installBuiltProgram(QStringLiteral("Dbrefit"), QStringLiteral("Dbrefit.exe"));
        QVERIFY(killCompactionHalfway(QStringLiteral("A")));
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("A")), keys);

        open();
        select({QStringLiteral("A")});
        m_maintenance->MnuDBCompatta();
        QCOMPARE(hiddenFilesOfTheArchiveFolder(), QStringList());
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("A")), keys);
    }

    void withoutTheUtilityNothingIsCreatedOrCompactedAndNothingIsSaid()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"));
        open();
        select({QStringLiteral("A")});
        m_world->prompter.expectSaveFile(newArchiveTitle, QStringLiteral("C:\\Schede\\NUOVO"));
        m_maintenance->MnuNuovoArchivioSchede();
        m_maintenance->MnuDBCompatta();
        m_maintenance->MnuDBCompattaTutti();
        QVERIFY(!MaintenanceWorkstation::archiveExists(QStringLiteral("NUOVO")));
        QCOMPARE(archiveNames(), QStringList{QStringLiteral("A")});
        QVERIFY(m_window->PrgBar()->isHidden());
    }

    void aNewArchiveIsCreatedByTheUtilityAndListedWhileTheOpenArchiveStaysMarked()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        MaintenanceWorkstation::installBuiltProgram(QStringLiteral("Dbrefit"), QStringLiteral("Dbrefit.exe"));
        open();
        openArchive(QStringLiteral("A"));
        m_world->prompter.expectSaveFile(newArchiveTitle, QStringLiteral("C:\\Schede\\nuovo"));
        m_maintenance->MnuNuovoArchivioSchede();

        const ScriptedPrompter::Prompt& dialog = m_world->prompter.prompts().constLast();
        QCOMPARE(dialog.kind, ScriptedPrompter::Kind::SaveFile);
        QCOMPARE(dialog.initialFolder, MaintenanceWorkstation::archiveFolder);
        QCOMPARE(dialog.filters.size(), 1);
        QCOMPARE(dialog.filters[0].description, QStringLiteral("Database Mdb (*.Mdb)"));
        QCOMPARE(dialog.filters[0].pattern, QStringLiteral("*.Mdb"));
        QCOMPARE(archiveNames(), QStringList({"A", "NUOVO"}));
        QVERIFY(MaintenanceWorkstation::cardsOf(QStringLiteral("NUOVO")).isEmpty());
        QCOMPARE(m_window->archiveIcon(m_window->findArchiveItem(QStringLiteral("A"))), 2);
        QCOMPARE(m_window->archiveIcon(m_window->findArchiveItem(QStringLiteral("NUOVO"))), 1);
    }

    void aNewArchiveNameIsCutAtItsFirstFullStop_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("created");
        QTest::newRow("typed with the extension")
            << QStringLiteral("C:\\Schede\\NUOVO.mdb") << QStringLiteral("create,C:\\Schede\\NUOVO.Mdb");
        QTest::newRow("blanks around, two full stops")
            << QStringLiteral("  C:\\Schede\\Estate.2026.mdb  ") << QStringLiteral("create,C:\\Schede\\Estate.Mdb");
        QTest::newRow("a folder with a full stop keeps the archive inside it")
            << QStringLiteral("C:\\Schede.2026\\NUOVO") << QStringLiteral("create,C:\\Schede.2026\\NUOVO.Mdb");
    }
    void aNewArchiveNameIsCutAtItsFirstFullStop()
    {
        QFETCH(QString, typed);
        QFETCH(QString, created);
        MaintenanceWorkstation::installRecorder(QStringLiteral("Dbrefit"));
        open();
        m_world->prompter.expectSaveFile(newArchiveTitle, typed);
        m_maintenance->MnuNuovoArchivioSchede();
        QCOMPARE(MaintenanceWorkstation::recordedCalls(dbrefitCalls), beganAndEnded({created}));
    }

    void aNewArchiveWithTheNameOfAnExistingOneIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("typed without extension") << QStringLiteral("C:\\Schede\\a");
        QTest::newRow("typed with the extension") << QStringLiteral("C:\\Schede\\A.mdb");
    }
    void aNewArchiveWithTheNameOfAnExistingOneIsRefused()
    {
        QFETCH(QString, typed);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        MaintenanceWorkstation::installRecorder(QStringLiteral("Dbrefit"));
        open();
        m_world->prompter.expectSaveFile(newArchiveTitle, typed)
            .expectMessage(QStringLiteral("Archivio schede gia' esistente"), Answer::Ok);
        m_maintenance->MnuNuovoArchivioSchede();
        const ScriptedPrompter::Prompt& box = m_world->prompter.prompts().constLast();
        QCOMPARE(box.title, QStringLiteral("Problema !"));
        QCOMPARE(box.icon, Icon::Critical);
        QCOMPARE(box.buttons, Buttons::Ok);
        QVERIFY(MaintenanceWorkstation::recordedCalls(dbrefitCalls).isEmpty());
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("A")), QStringList{QStringLiteral("K1")});
    }

    void aCancelledNewArchiveCreatesNothingButRefillsTheList()
    {
        MaintenanceWorkstation::installRecorder(QStringLiteral("Dbrefit"));
        open();
        MaintenanceWorkstation::makeArchive(QStringLiteral("LATER"));
        m_world->prompter.expectSaveFile(newArchiveTitle, QString());
        m_maintenance->MnuNuovoArchivioSchede();
        QVERIFY(MaintenanceWorkstation::recordedCalls(dbrefitCalls).isEmpty());
        QCOMPARE(archiveNames(), QStringList{QStringLiteral("LATER")});
    }

    void deletingArchivesAnsweredNoChangesNothing()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"));
        open();
        select({QStringLiteral("A")});
        m_world->prompter.expectMessage(QStringLiteral("Confermi la cancellazione degli archivi selezionati ?"),
                                        Answer::No);
        m_maintenance->MnuDBElimina();
        const ScriptedPrompter::Prompt& box = m_world->prompter.prompts().constLast();
        QCOMPARE(box.title, QStringLiteral("Richiesta di cancellazione"));
        QCOMPARE(box.buttons, Buttons::YesNo);
        QCOMPARE(box.icon, Icon::Question);
        QCOMPARE(box.defaultButton, DefaultButton::Second);
        QVERIFY(MaintenanceWorkstation::archiveExists(QStringLiteral("A")));
        QCOMPARE(selectedArchives(), QStringList{QStringLiteral("A")});
    }

    void deletingTheOpenArchiveEmptiesTheCardListAndLeavesNoArchiveMarked()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        MaintenanceWorkstation::makeArchive(QStringLiteral("B"));
        MaintenanceWorkstation::makeArchive(QStringLiteral("C"));
        open();
        openArchive(QStringLiteral("A"));
        QCOMPARE(m_window->cardList().rowCount(), 1);
        select({QStringLiteral("A"), QStringLiteral("B")});
        m_world->prompter.expectMessage(QStringLiteral("Confermi la cancellazione degli archivi selezionati ?"),
                                        Answer::Yes);
        m_maintenance->MnuDBElimina();
        QVERIFY(!MaintenanceWorkstation::archiveExists(QStringLiteral("A")));
        QVERIFY(!MaintenanceWorkstation::archiveExists(QStringLiteral("B")));
        QCOMPARE(archiveNames(), QStringList{QStringLiteral("C")});
        QCOMPARE(m_window->cardList().rowCount(), 0);
        QCOMPARE(m_window->archiveIcon(m_window->findArchiveItem(QStringLiteral("C"))), 1);
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("A"));
    }

    void deletingOtherArchivesKeepsTheOpenOneMarked()
    {
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        MaintenanceWorkstation::makeArchive(QStringLiteral("B"));
        open();
        openArchive(QStringLiteral("A"));
        select({QStringLiteral("B")});
        m_world->prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Confermi la cancellazione")),
                                        Answer::Yes);
        m_maintenance->MnuDBElimina();
        QCOMPARE(archiveNames(), QStringList{QStringLiteral("A")});
        QCOMPARE(m_window->archiveIcon(m_window->findArchiveItem(QStringLiteral("A"))), 2);
        QCOMPARE(m_window->cardList().rowCount(), 1);
    }

    void deletingCardsAsksFirstAndReopensTheArchive_data()
    {
        QTest::addColumn<bool>("ask");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("asked, Yes") << true << int(Answer::Yes) << QStringList({"K1", "K3"});
        QTest::newRow("asked, No") << true << int(Answer::No) << QStringList({"K1", "K2", "K3"});
        QTest::newRow("not asked (the paste of a move)") << false << int(Answer::None) << QStringList({"K1", "K3"});
    }
    void deletingCardsAsksFirstAndReopensTheArchive()
    {
        QFETCH(bool, ask);
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {"K1", "K2", "K3"});
        MaintenanceWorkstation::makeArchive(QStringLiteral("B"));
        open();
        openArchive(QStringLiteral("A"));
        select({QStringLiteral("B")});
        const int k2 = int(cardKeys().indexOf(QStringLiteral("K2")));
        QVERIFY(k2 >= 0);
        m_window->cardList().setRowSelected(k2, true);
        if (ask)
            m_world->prompter.expectMessage(QStringLiteral("Confermi l'eliminazione della/e scheda/e selezionata/e ?"),
                                            Answer(answer));
        m_maintenance->MnuEliminaScheda(ask);

        if (ask) {
            const ScriptedPrompter::Prompt& box = m_world->prompter.prompts().constLast();
            QCOMPARE(box.title, QStringLiteral("Elimina scheda/e da archivio"));
            QCOMPARE(box.icon, Icon::Exclamation);
            QCOMPARE(box.defaultButton, DefaultButton::Second);
        }
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("A")), left);
        QCOMPARE(cardKeys(), left);
        QCOMPARE(store::explorerState().CurrentArchive, QStringLiteral("A"));
        if (Answer(answer) != Answer::No) {
            QCOMPARE(selectedArchives(), QStringList{QStringLiteral("A")});
            QCOMPARE(m_window->archiveIcon(m_window->findArchiveItem(QStringLiteral("A"))), 2);
        }
    }

    void renamingChecksTheNewName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("labelStays");
        QTest::addColumn<QString>("renamedTo"); // Windows path of A's file afterwards
        QTest::newRow("a plain name") << QStringLiteral("Estate") << true << QStringLiteral("C:\\Schede\\Estate.mdb");
        QTest::newRow("a backslash passes the check")
            << QStringLiteral("SUB\\ESTATE") << true << QStringLiteral("C:\\Schede\\SUB\\ESTATE.mdb");
        QTest::newRow("the name of another archive")
            << QStringLiteral("b") << false << QStringLiteral("C:\\Schede\\A.mdb");
        QTest::newRow("its own name in another case")
            << QStringLiteral("a") << false << QStringLiteral("C:\\Schede\\A.mdb");
        QTest::newRow("empty") << QString() << false << QStringLiteral("C:\\Schede\\A.mdb");
        QTest::newRow("only blanks") << QStringLiteral("   ") << false << QStringLiteral("C:\\Schede\\A.mdb");
    }
    void renamingChecksTheNewName()
    {
        QFETCH(QString, typed);
        QFETCH(bool, labelStays);
        QFETCH(QString, renamedTo);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {QStringLiteral("K1")});
        MaintenanceWorkstation::makeArchive(QStringLiteral("B"), {QStringLiteral("K9")});
        QDir().mkpath(MaintenanceWorkstation::hostPath(QStringLiteral("C:\\Schede\\SUB")));
        open();
        QListWidgetItem* item = m_window->findArchiveItem(QStringLiteral("A"));
        item->setSelected(true);
        QCOMPARE(m_maintenance->LVDB_AfterLabelEdit(item, typed), labelStays);
        QVERIFY(QFile::exists(MaintenanceWorkstation::hostPath(renamedTo)));
        QCOMPARE(MaintenanceWorkstation::archiveExists(QStringLiteral("A")),
                 renamedTo.endsWith(QLatin1String("\\A.mdb")));
        QCOMPARE(MaintenanceWorkstation::cardsOf(QStringLiteral("B")), QStringList{QStringLiteral("K9")});
    }

    void theListsOwnEditorKeepsOnlyALabelTheFileTook_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("a new name") << QStringLiteral("ESTATE") << QStringList({"B", "ESTATE"})
                                    << QStringList({"B.mdb", "ESTATE.mdb"});
        QTest::newRow("the name of another archive")
            << QStringLiteral("B") << QStringList({"A", "B"}) << QStringList({"A.mdb", "B.mdb"});
        QTest::newRow("emptied") << QString() << QStringList({"A", "B"}) << QStringList({"A.mdb", "B.mdb"});
    }
    void theListsOwnEditorKeepsOnlyALabelTheFileTook()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, files);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"));
        MaintenanceWorkstation::makeArchive(QStringLiteral("B"));
        open();
        QListWidget* archives = m_window->LVDB();
        archives->setFocus();
        archives->setCurrentItem(m_window->findArchiveItem(QStringLiteral("A")));
        QTest::keyClick(archives, Qt::Key_F2);
        auto* editor = archives->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(archiveNames(), labels);
        QCOMPARE(archiveFiles(), files);
    }

    void aNameWithAnInvalidCharacterIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        for (const QChar character : QStringLiteral("\"`':;!@#$%^&+*{}][><,/?"))
            QTest::newRow(qPrintable(QString(character))) << QStringLiteral("NUOVO") + character + QStringLiteral("1");
    }
    void aNameWithAnInvalidCharacterIsRefused()
    {
        QFETCH(QString, typed);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"));
        open();
        QListWidgetItem* item = m_window->findArchiveItem(QStringLiteral("A"));
        item->setSelected(true);
        m_world->prompter.expectMessage(QStringLiteral("Caratteri in nome file non validi"), Answer::Ok);
        QVERIFY(!m_maintenance->LVDB_AfterLabelEdit(item, typed));
        const ScriptedPrompter::Prompt& box = m_world->prompter.prompts().constLast();
        QCOMPARE(box.title, QStringLiteral("Trovati caratteri invalidi in nome file"));
        QCOMPARE(box.icon, Icon::Critical);
        QCOMPARE(archiveFiles(), QStringList{QStringLiteral("A.mdb")});
    }

    void aRenameThatFailsGoesToTheErrorDialogAndKeepsTheLabel_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers");
        const QString missingFolder = QStringLiteral("MISSING\\NUOVO");
        QTest::newRow("abort") << missingFolder << QList<int>{int(Answer::Abort)};
        QTest::newRow("ignore") << missingFolder << QList<int>{int(Answer::Ignore)};
        QTest::newRow("retry runs the rename again")
            << missingFolder << QList<int>{int(Answer::Retry), int(Answer::Abort)};
        QTest::newRow("a bar passes the check, not the file system")
            << QStringLiteral("A|B") << QList<int>{int(Answer::Abort)};
    }
    void aRenameThatFailsGoesToTheErrorDialogAndKeepsTheLabel()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"));
        open();
        QListWidgetItem* item = m_window->findArchiveItem(QStringLiteral("A"));
        item->setSelected(true);
        for (int answer : answers)
            m_world->prompter.expectMessage(
                TextMatcher::contains(QStringLiteral("Durante FrmExplorer_LVDB_AfterLabelEdit")), Answer(answer));
        QVERIFY(!m_maintenance->LVDB_AfterLabelEdit(item, typed));
        QCOMPARE(m_world->prompter.prompts().size(), answers.size());
        QCOMPARE(archiveFiles(), QStringList{QStringLiteral("A.mdb")});
    }

private:
    void open()
    {
        m_window = MaintenanceWorkstation::openExplorer();
        m_maintenance = std::make_unique<explorer::ArchiveMaintenance>(*m_window);
    }

    void select(const QStringList& names)
    {
        m_window->LVDB()->clearSelection();
        for (const QString& name : names)
            m_window->findArchiveItem(name)->setSelected(true);
    }

    void openArchive(const QString& name)
    {
        QListWidgetItem* item = m_window->findArchiveItem(name);
        m_window->LVDB()->setCurrentItem(item);
        m_window->LVDB_DblClick();
    }

    QStringList archiveNames() const
    {
        QStringList names;
        for (int row = 0; row < m_window->LVDB()->count(); ++row)
            names.append(m_window->LVDB()->item(row)->text());
        return names;
    }

    QStringList selectedArchives() const
    {
        QStringList names;
        for (int row = 0; row < m_window->LVDB()->count(); ++row) {
            if (m_window->LVDB()->item(row)->isSelected())
                names.append(m_window->LVDB()->item(row)->text());
        }
        return names;
    }

    QStringList cardKeys() const
    {
        QStringList keys;
        for (int row = 0; row < m_window->cardList().rowCount(); ++row)
            keys.append(m_window->cardList().rowText(row));
        return keys;
    }

    static QStringList archiveFiles()
    {
        return QDir(MaintenanceWorkstation::hostPath(MaintenanceWorkstation::archiveFolder)).entryList(QDir::Files);
    }

    std::unique_ptr<MaintenanceWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
    std::unique_ptr<explorer::ArchiveMaintenance> m_maintenance;
};

TRAMEX_QT_TEST(ArchiveMaintenanceTest);

#include "ArchiveMaintenanceTest.moc"
