#include "backup/CardArchiveBackup.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "backup/FrmOne.h"
#include "tests/backup/BackupWorld.h"
#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString salvixIni = u"Salvix.ini"_s;
const QString saved = u"Salvataggio eseguito correttamente"_s;
const QString notSaved = u"Problemi durante il salvataggio"_s;
const QString restored = u"Ripristino eseguito correttamente"_s;
const QString notRestored = u"Problemi durante il ripristino"_s;
const QString lastDisk = u"Inserisci l'ultimo disco etichettato: DISCO BACKUP DATABASE DI TRAMEX, poi premi OK"_s;

QString labelDisk(int number)
{
    return u"Etichetta un disco\r\rDISCO BACKUP DATABASE N."_s + QString::number(number) +
           u" DI TRAMEX\r\red inseriscilo nel drive, poi premi OK"_s;
}

QString insertDiskOfSet(int number)
{
    return u"Inserisci il disco "_s + QString::number(number) + u" del set di backup"_s;
}

void keep(const QString& key, const QString& value)
{
    TestWorkstation::writeIni(salvixIni, u"Salvix"_s, key, value);
}

std::optional<QString> described(const QString& folder, const QString& key)
{
    return TestWorkstation::readIni(folder + salvixIni, u"Salvix"_s, key);
}

qint64 sizeOf(const QString& windowsPath)
{
    return TestWorkstation::readFile(windowsPath).size();
}

} // namespace

class CardArchiveBackupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<BackupWorld>();
        keep(u"IncludiImpostazioni"_s, u"0"_s);
    }
    void cleanup() { m_world.reset(); }

    void aFolderOnAFixedDiskTakesTheWholeArchiveWithoutPrompts()
    {
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 5000);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 7000);
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();

        QCOMPARE(window->controls().LblSorgenteDestinazione->text(), u"D:\\Copie\\"_s);
        QVERIFY(TestWorkstation::fileExists(u"D:\\Copie\\Salvix.zip"_s));
        QCOMPARE(described(u"D:\\Copie\\"_s, u"File1"_s), u"Salvix.zip"_s);
        QCOMPARE(described(u"D:\\Copie\\"_s, u"TotaleFile"_s), u"1"_s);
        QCOMPARE(described(u"D:\\Copie\\"_s, u"DataOraSalvataggio"_s), u"05-03-2024 17:08"_s);
        QCOMPARE(window->controls().StBarText->text(), u"Copia DATABASE completata"_s);
        QVERIFY(!TestWorkstation::fileExists(BackupWorld::temporaryFolder() + u"Salvix.zip"_s));

        // Brought back over archives changed since.
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        BackupWorld::removeFile(BackupWorld::archiveFolder + u"DONNA.mdb"_s);
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(restored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(sizeOf(BackupWorld::archiveFolder + u"UOMO.mdb"_s), 7000);
        QCOMPARE(sizeOf(BackupWorld::archiveFolder + u"DONNA.mdb"_s), 5000);
        QCOMPARE(window->controls().StBarText->text(), u"Fine decompressione e ripristino DATABASE"_s);
    }

    void theShellAsksBeforeItReplacesAFile_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replace") << true;
        QTest::newRow("keep") << false;
    }
    void theShellAsksBeforeItReplacesAFile()
    {
        QFETCH(bool, replace);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 5000);
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        TestWorkstation::writeFile(u"D:\\Copie\\Salvix.zip"_s, "vecchio");
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        prompter().expectReplace(u"D:\\Copie\\Salvix.zip"_s, replace);
        prompter().expectMessage(replace ? saved : notSaved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(TestWorkstation::readFile(u"D:\\Copie\\Salvix.zip"_s) == "vecchio", !replace);
        QCOMPARE(prompter().copies().size(), replace ? 1 : 0);
    }

    void onlyTheSelectedArchivesAreSaved()
    {
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 5000);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 7000);
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        keep(u"SorgenteDestin"_s, u"D:\\Copie\\"_s);
        TestWorkstation::writeIni(salvixIni, u"Database da salvare"_s, u"UOMO.mdb"_s, u"0"_s);
        const auto window = m_world->openWindow();
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        BackupWorld::removeFile(BackupWorld::archiveFolder + u"DONNA.mdb"_s);
        BackupWorld::removeFile(BackupWorld::archiveFolder + u"UOMO.mdb"_s);

        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(restored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QVERIFY(TestWorkstation::fileExists(BackupWorld::archiveFolder + u"DONNA.mdb"_s));
        QVERIFY(!TestWorkstation::fileExists(BackupWorld::archiveFolder + u"UOMO.mdb"_s));
    }

    void anArchiveLongerThanAFloppyIsCutIntoDisks_data()
    {
        QTest::addColumn<qint64>("archiveBytes");
        QTest::addColumn<QList<qint64>>("pieces");
        QTest::newRow("3,000,000") << qint64(3'000'000) << QList<qint64>{1'440'000, 1'440'000, 120'000};
        QTest::newRow("exactly 2,880,000") << qint64(2'880'000) << QList<qint64>{1'440'000, 1'440'000};
        QTest::newRow("3,800,000") << qint64(3'800'000) << QList<qint64>{1'440'000, 1'440'000, 920'000};
        QTest::newRow("1,000,000") << qint64(1'000'000) << QList<qint64>{1'000'000};
    }
    void anArchiveLongerThanAFloppyIsCutIntoDisks()
    {
        QFETCH(qint64, archiveBytes);
        QFETCH(QList<qint64>, pieces);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, BackupWorld::sizeForArchiveOf(u"UOMO.mdb"_s, archiveBytes));
        const QByteArray original = TestWorkstation::readFile(BackupWorld::archiveFolder + u"UOMO.mdb"_s);
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        const int total = int(pieces.size());
        for (int disk = 1; disk <= total; ++disk)
            prompter().expectMessage(labelDisk(disk), Answer::Ok,
                                     [this, disk] { m_world->insertDisk(QString::number(disk)); });
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();

        for (int disk = 1; disk <= total; ++disk) {
            const QString file = total == 1 ? u"Salvix.zip"_s : u"Salvix.zip."_s + QString::number(disk) + u".spf"_s;
            m_world->insertDisk(QString::number(disk));
            QCOMPARE(m_world->filesOnDisk(QString::number(disk)), (QStringList{salvixIni, file}));
            QCOMPARE(sizeOf(u"A:\\"_s + file), pieces[disk - 1]);
            QCOMPARE(described(u"A:\\"_s, u"File"_s + QString::number(disk)), file);
            QCOMPARE(described(u"A:\\"_s, u"TotaleFile"_s).has_value(), disk == total);
        }
        QCOMPARE(described(u"A:\\"_s, u"TotaleFile"_s), QString::number(total));
        QCOMPARE(prompter().prompts()[0].title, u"Salvix - Salvataggio DATABASE"_s);

        // The restore asks for the last disk first, then for every disk in order.
        BackupWorld::removeFile(BackupWorld::archiveFolder + u"UOMO.mdb"_s);
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(lastDisk, Answer::Ok, [this, total] { m_world->insertDisk(QString::number(total)); });
        if (total > 1)
            for (int disk = 1; disk <= total; ++disk)
                prompter().expectMessage(insertDiskOfSet(disk), Answer::Ok,
                                         [this, disk] { m_world->insertDisk(QString::number(disk)); });
        prompter().expectMessage(restored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(TestWorkstation::readFile(BackupWorld::archiveFolder + u"UOMO.mdb"_s), original);
        QCOMPARE(window->controls().StBarText->text(), u"Fine decompressione e ripristino DATABASE"_s);
    }

    void cancelAtTheFirstDiskEndsTheSave()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1000);
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        prompter().expectMessage(labelDisk(1), Answer::Cancel);
        prompter().expectMessage(notSaved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(m_world->filesOnDisk(m_world->currentDisk()), QStringList());
    }

    void theFormatBoxFormatsTheDiskOfTheFolder_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<Answer>("goOn");
        QTest::addColumn<bool>("copied");
        QTest::newRow("formatted") << 0 << QString() << Answer::None << true;
        QTest::newRow("cannot") << -3 << u"Questo disco non puo' essere formattato (disco di rete o di sola lettura)"_s
                                << Answer::Yes << true;
        QTest::newRow("cancelled") << -2 << u"Operazione cancella dall'utente"_s << Answer::No << false;
        QTest::newRow("failed") << -1 << u"Problemi durante la formattazione"_s << Answer::No << false;
    }
    void theFormatBoxFormatsTheDiskOfTheFolder()
    {
        QFETCH(int, result);
        QFETCH(QString, refusal);
        QFETCH(Answer, goOn);
        QFETCH(bool, copied);
        makeHostFolder(m_world->inRoot(u"drive_b"_s));
        keep(u"SorgenteDestin"_s, u"B:\\"_s);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1000);
        const auto window = m_world->openWindow();
        QVERIFY(window->controls().ChkFormattaDisco->isChecked());
        prompter().expectMessage(labelDisk(1), Answer::Ok);
        prompter().expectFormat(1, result);
        if (!refusal.isEmpty()) {
            prompter().expectMessage(refusal, Answer::Ok);
            prompter().expectMessage(u"Problemi durante la formattazione, continuo ? "_s, goOn);
        }
        prompter().expectMessage(copied ? saved : notSaved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(TestWorkstation::fileExists(u"B:\\Salvix.zip"_s), copied);
    }

    void aFullDiskEndsTheSave()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 100'000);
        TestWorkstation::writeFile(u"A:\\vecchio.bin"_s, QByteArray(1'400'000, 'x'));
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        prompter().expectMessage(labelDisk(1), Answer::Ok);
        prompter().expectMessage(u"Disco di backup pieno, bisogna formattarlo !"_s, Answer::Ok);
        prompter().expectMessage(notSaved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(m_world->filesOnDisk(m_world->currentDisk()), QStringList{u"vecchio.bin"_s});
    }

    void deletingOldFilesMakesRoomForTheSet()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 100'000);
        TestWorkstation::writeFile(u"A:\\Salvix.zip.1.spf"_s, QByteArray(1'400'000, 'x'));
        TestWorkstation::writeFile(u"A:\\altro.txt"_s, "resta");
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        prompter().expectMessage(TextMatcher::startsWith(u"ATTENZIONE: "_s), Answer::Yes);
        window->controls().ChkEliminaTuttiFile->click();
        prompter().expectMessage(labelDisk(1), Answer::Ok);
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(m_world->filesOnDisk(m_world->currentDisk()),
                 (QStringList{u"Salvix.ini"_s, u"Salvix.zip"_s, u"altro.txt"_s}));
    }

    void aDiskThatIsNotReadyIsAskedForAgain_data()
    {
        QTest::addColumn<bool>("retry");
        QTest::newRow("retry") << true;
        QTest::newRow("give up") << false;
    }
    void aDiskThatIsNotReadyIsAskedForAgain()
    {
        QFETCH(bool, retry);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1000);
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        const QString notReady = u"Disco non pronto, ritento l'operazione ?"_s;
        prompter().expectMessage(labelDisk(1), Answer::Ok, [this] { m_world->ejectDisk(); });
        if (retry) {
            prompter().expectMessage(notReady, Answer::Ok, [this] { m_world->insertDisk(u"nuovo"_s); });
            prompter().expectMessage(saved, Answer::Ok);
        } else {
            prompter().expectMessage(notReady, Answer::Cancel);
            prompter().expectMessage(notReady, Answer::Ok);
            prompter().expectMessage(notSaved, Answer::Ok);
        }
        window->controls().CmdEsegui->click();
        QCOMPARE(prompter().prompts()[1].title, u"Salvataggio database"_s);
        if (retry)
            QCOMPARE(m_world->filesOnDisk(u"nuovo"_s), (QStringList{u"Salvix.ini"_s, u"Salvix.zip"_s}));
    }

    void aOneFileSetWithoutItsArchiveFails()
    {
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
        TestWorkstation::writeIni(u"D:\\Copie\\Salvix.ini"_s, u"Salvix"_s, u"TotaleFile"_s, u"1"_s);
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1000);
        const auto window = m_world->openWindow();
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(insertDiskOfSet(1), Answer::Cancel);
        prompter().expectMessage(notRestored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(sizeOf(BackupWorld::archiveFolder + u"UOMO.mdb"_s), 1000);
    }

    void aDamagedPieceChangesNoArchive()
    {
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 1'000'000);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1'000'000);
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        for (int disk = 1; disk <= 2; ++disk)
            prompter().expectMessage(labelDisk(disk), Answer::Ok,
                                     [this, disk] { m_world->insertDisk(QString::number(disk)); });
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();

        m_world->insertDisk(u"1"_s);
        QByteArray piece = TestWorkstation::readFile(u"A:\\Salvix.zip.1.spf"_s);
        piece[piece.size() - 10] = char(piece[piece.size() - 10] ^ 0x55);
        TestWorkstation::writeFile(u"A:\\Salvix.zip.1.spf"_s, piece);
        BackupWorld::makeArchive(u"DONNA.mdb"_s, 10);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 20);

        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(lastDisk, Answer::Ok, [this] { m_world->insertDisk(u"2"_s); });
        for (int disk = 1; disk <= 2; ++disk)
            prompter().expectMessage(insertDiskOfSet(disk), Answer::Ok,
                                     [this, disk] { m_world->insertDisk(QString::number(disk)); });
        prompter().expectMessage(TextMatcher::startsWith(u"Errore durante la decompressione "_s), Answer::Ok);
        prompter().expectMessage(notRestored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(sizeOf(BackupWorld::archiveFolder + u"DONNA.mdb"_s), 10);
        QCOMPARE(sizeOf(BackupWorld::archiveFolder + u"UOMO.mdb"_s), 20);
    }

private:
    interaction::ScriptedPrompter& prompter() { return m_world->prompter; }
    static void makeHostFolder(const QString& hostPath) { TestWorkstation::makeHostFolder(hostPath); }

    std::unique_ptr<BackupWorld> m_world;
};

TRAMEX_QT_TEST(CardArchiveBackupTest);

#include "CardArchiveBackupTest.moc"
