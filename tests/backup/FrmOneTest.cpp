#include "backup/FrmOne.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "tests/backup/BackupWorld.h"
#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString salvixIni = u"Salvix.ini"_s;

QStringList entries(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names.append(list.item(row)->text());
    return names;
}

QStringList selected(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            names.append(list.item(row)->text());
    return names;
}

void keep(const QString& key, const QString& value)
{
    TestWorkstation::writeIni(salvixIni, u"Salvix"_s, key, value);
}

} // namespace

class FrmOneTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<BackupWorld>(); }
    void cleanup() { m_world.reset(); }

    void aFreshInstallationSavesEverythingToTheFloppy()
    {
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 10);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        QCOMPARE(window->windowTitle(), u"Tramex Salvataggio/Ripristino dati - Versione 2.1.2"_s);
        QCOMPARE(c.LblSorgenteDestinazione->text(), u"A:\\"_s);
        QCOMPARE(c.LblDestSorg->text(), u"Salvataggio NELLA cartella "_s);
        QVERIFY(c.OptOperazione[0]->isChecked());
        QVERIFY(c.ChkIncludiDatabase->isChecked());
        QVERIFY(c.ChkIncludiImpostazioni->isChecked());
        QCOMPARE(selected(*c.LstDatabase), (QStringList{u"DONNA.mdb"_s, u"UOMO.mdb"_s}));
        QVERIFY(c.CmdEsegui->isEnabled());
        QCOMPARE(c.StBarText->text(), u"Dischi richiesti: 2"_s);
    }

    void theConfigurationDatabaseIsNeverListed_data()
    {
        QTest::addColumn<QString>("configName");
        QTest::newRow("as written") << u"Tramex Config.mdb"_s;
        QTest::newRow("upper case") << u"TRAMEX CONFIG.MDB"_s;
        QTest::newRow("lower case") << u"tramex config.mdb"_s;
    }
    void theConfigurationDatabaseIsNeverListed()
    {
        QFETCH(QString, configName);
        BackupWorld::makeArchive(configName, 10);
        BackupWorld::makeArchive(u"Bambino.MDB"_s, 10);
        BackupWorld::makeArchive(u"note.txt"_s, 10);
        const auto window = m_world->openWindow();
        QCOMPARE(entries(*window->controls().LstDatabase), QStringList{u"Bambino.MDB"_s});
    }

    void theKeptOptionsAndSelectionComeBack()
    {
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 10);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        keep(u"IncludiImpostazioni"_s, u"0"_s);
        keep(u"EliminaFile"_s, u"1"_s);
        keep(u"FormattaDisco"_s, u"1"_s);
        TestWorkstation::writeIni(salvixIni, u"Database da salvare"_s, u"DONNA.mdb"_s, u"0"_s);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        QCOMPARE(c.LblSorgenteDestinazione->text(), u"D:\\Copie"_s);
        QVERIFY(!c.ChkIncludiImpostazioni->isChecked());
        // A fixed disk: the two disk options are cleared and disabled whatever was kept.
        QVERIFY(!c.ChkFormattaDisco->isChecked() && !c.ChkFormattaDisco->isEnabled());
        QVERIFY(!c.ChkEliminaTuttiFile->isChecked() && !c.ChkEliminaTuttiFile->isEnabled());
        QCOMPARE(selected(*c.LstDatabase), QStringList{u"UOMO.mdb"_s});

        c.LstDatabase->item(0)->setSelected(true);
        c.OptOperazione[1]->click();
        window->close();
        QCOMPARE(TestWorkstation::readIni(salvixIni, u"Database da salvare"_s, u"DONNA.mdb"_s), u"1"_s);
        QCOMPARE(TestWorkstation::readIni(salvixIni, u"Salvix"_s, u"IncludiImpostazioni"_s), u"0"_s);
        QCOMPARE(TestWorkstation::readIni(salvixIni, u"Salvix"_s, u"EliminaFile"_s), u"0"_s);
        QCOMPARE(TestWorkstation::readIni(salvixIni, u"Salvix"_s, u"SorgenteDestin"_s), u"D:\\Copie"_s);
    }

    void aFolderThatIsGoneIsNotKept()
    {
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        TestWorkstation::makeFolder(u"D:\\Altro"_s);
        prompter().expectFolder(TextMatcher::any(), u"D:\\Sparita"_s);
        window->controls().CmdSfoglia->click();
        QCOMPARE(window->controls().LblSorgenteDestinazione->text(), u"D:\\Sparita"_s);
        window->close();
        QCOMPARE(TestWorkstation::readIni(salvixIni, u"Salvix"_s, u"SorgenteDestin"_s), u"D:\\Copie"_s);
    }

    void aRemovableDestinationForcesTheFormatBox()
    {
        keep(u"FormattaDisco"_s, u"0"_s);
        keep(u"EliminaFile"_s, u"1"_s);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        QVERIFY(c.ChkFormattaDisco->isChecked() && c.ChkFormattaDisco->isEnabled());
        QVERIFY(!c.ChkEliminaTuttiFile->isChecked() && !c.ChkEliminaTuttiFile->isEnabled());

        c.ChkFormattaDisco->click();
        QVERIFY(c.ChkEliminaTuttiFile->isEnabled());
        c.OptOperazione[1]->click();
        QVERIFY(!c.ChkFormattaDisco->isChecked() && !c.ChkFormattaDisco->isEnabled());
        QVERIFY(!c.ChkEliminaTuttiFile->isEnabled());
        QVERIFY(!c.LstDatabase->isEnabled());
        QCOMPARE(c.LblDestSorg->text(), u"Ripristino DALLA cartella "_s);
        QCOMPARE(c.StBarText->text(), u"Esegue il ripristino dei dati precedentemente archiviati"_s);
    }

    void deletingOldFilesIsConfirmedFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("checked");
        QTest::newRow("yes") << Answer::Yes << true;
        QTest::newRow("no") << Answer::No << false;
    }
    void deletingOldFilesIsConfirmedFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, checked);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        c.ChkFormattaDisco->click();
        prompter().expectMessage(
            u"ATTENZIONE: \rdurante il salvataggio saranno eliminati tutti i file dalla "
            "cartella \rA:\\\r\rSENZA RICHIESTA DI ULTERIORE CONFERMA \r\rconfermi l'operazione ? "_s,
            answer);
        c.ChkEliminaTuttiFile->click();
        QCOMPARE(c.ChkEliminaTuttiFile->isChecked(), checked);
        QCOMPARE(c.ChkFormattaDisco->isEnabled(), !checked);
        const auto& asked = prompter().prompts().back();
        QCOMPARE(asked.title, u"Richiesta di conferma"_s);
        QVERIFY(asked.buttons == interaction::Buttons::YesNo && asked.icon == interaction::Icon::Critical);
    }

    void theEstimateCountsDisks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("status");
        QTest::newRow("2,000,000 bytes and the settings")
            << u"A:\\"_s << qint64(2'000'000) << true << u"Dischi richiesti: 3"_s;
        QTest::newRow("exactly one floppy's 1,440,000")
            << u"A:\\"_s << qint64(1'440'000) << false << u"Dischi richiesti: 2"_s;
        QTest::newRow("less than a floppy") << u"A:\\"_s << qint64(1000) << false << u"Dischi richiesti: 1"_s;
        QTest::newRow("a folder on a roomy disk") << u"D:\\"_s << qint64(3'000'000) << true << u"Dischi richiesti: 2"_s;
    }
    void theEstimateCountsDisks()
    {
        QFETCH(QString, folder);
        QFETCH(qint64, bytes);
        QFETCH(bool, settings);
        QFETCH(QString, status);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, bytes / 2);
        BackupWorld::makeArchive(u"DONNA.mdb"_s, bytes - bytes / 2);
        keep(u"SorgenteDestin"_s, folder);
        keep(u"IncludiImpostazioni"_s, settings ? u"1"_s : u"0"_s);
        const auto window = m_world->openWindow();
        QCOMPARE(window->controls().StBarText->text(), status);
    }

    void nothingToSaveEstimatesNoDiskAndCannotRun()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        c.LstDatabase->item(0)->setSelected(false);
        QVERIFY(!c.ChkIncludiDatabase->isChecked());
        QCOMPARE(c.StBarText->text(), u"Dischi richiesti: 1"_s);
        c.ChkIncludiImpostazioni->click();
        QCOMPARE(c.StBarText->text(), u"Dischi richiesti: 0"_s);
        QVERIFY(!c.CmdEsegui->isEnabled());
        c.ChkIncludiDatabase->click();
        QVERIFY(c.CmdEsegui->isEnabled());
        QVERIFY(c.LstDatabase->isVisible());
        c.ChkIncludiDatabase->click();
        QVERIFY(!c.LstDatabase->isVisible() && !c.Label1->isVisible());
    }

    void theBrowserAsksWithTheOperationsTitle()
    {
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        prompter().expectFolder(u"Scegli la cartella per effettuare il  SALVATAGGIO dei dati "_s, u"D:\\Copie"_s);
        c.CmdSfoglia->click();
        QCOMPARE(c.LblSorgenteDestinazione->text(), u"D:\\Copie"_s);
        QVERIFY(!c.ChkFormattaDisco->isChecked() && !c.ChkFormattaDisco->isEnabled());

        c.OptOperazione[1]->click();
        prompter().expectFolder(u"Scegli la cartella per effettuare il RIPRISTINO dei dati "_s, {});
        c.CmdSfoglia->click();
        QCOMPARE(c.LblSorgenteDestinazione->text(), u"D:\\Copie"_s);
    }

    void aNetworkPathChangesNothing()
    {
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        const QString status = c.StBarText->text();
        prompter().expectFolder(TextMatcher::any(), u"\\\\server\\copie"_s);
        c.CmdSfoglia->click();
        QCOMPARE(c.LblSorgenteDestinazione->text(), u"A:\\"_s);
        QCOMPARE(c.StBarText->text(), status);
        QVERIFY(c.ChkFormattaDisco->isChecked());
    }

    void everyControlHasANameAndTheKeyboardReachesIt()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        const auto window = m_world->openWindow();
        const auto& c = window->controls();
        const QList<QWidget*> focusable = {
            c.OptOperazione[0], c.CmdSfoglia,       c.ChkIncludiDatabase, c.ChkIncludiImpostazioni,
            c.LstDatabase,      c.ChkFormattaDisco, c.CmdEsegui,          c.CmdAnnulla};
        expectEveryControlNamed(*window);
        expectEveryControlReachable(*window);
        for (QWidget* widget : focusable)
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, qPrintable(widget->objectName()));

        // Tab walks every control; Space works the focused one.
        QSet<QWidget*> reached;
        QWidget* focus = c.OptOperazione[0];
        for (int step = 0; step < 40; ++step, focus = focus->nextInFocusChain())
            if (focus->isEnabled() && focus->isVisible() && (focus->focusPolicy() & Qt::TabFocus))
                reached.insert(focus);
        for (QWidget* widget : focusable)
            QVERIFY2(reached.contains(widget), qPrintable(widget->objectName()));
        c.ChkFormattaDisco->setFocus();
        QTest::keyClick(c.ChkFormattaDisco, Qt::Key_Space);
        QVERIFY(!c.ChkFormattaDisco->isChecked());
        QVERIFY(c.ChkEliminaTuttiFile->isEnabled());
        prompter().expectFolder(TextMatcher::any(), {});
        QTest::keyClick(c.CmdSfoglia, Qt::Key_Space);
        QCOMPARE(prompter().remaining(), 0);
    }

private:
    interaction::ScriptedPrompter& prompter() { return m_world->prompter; }

    std::unique_ptr<BackupWorld> m_world;
};

TRAMEX_QT_TEST(FrmOneTest);

#include "FrmOneTest.moc"
