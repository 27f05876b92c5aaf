#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "backup/Compressor.h"
#include "backup/FrmOne.h"
#include "demo/DemoWorkstation.h"
#include "platform/BinaryFile.h"
#include "platform/Listing.h"
#include "tests/backup/BackupWorld.h"
#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString demoArchives = u"C:\\Tramex\\Schede\\"_s;
const QString settingsDisk = u"impostazioni"_s;

QMap<QString, QByteArray> archivesOnDisk()
{
    QMap<QString, QByteArray> archives;
    for (const QString& name : platform::listing::dir(demoArchives + u"*.mdb"_s))
        archives.insert(name, TestWorkstation::readFile(demoArchives + name));
    return archives;
}

// How many floppy disks the compression component makes of the archives, compressing them once
// beside the test.
int disksFor(const QStringList& archives)
{
    const QString trial = BackupWorld::temporaryFolder() + u"prova.zip"_s;
    backup::Compressor compressor;
    compressor.SetArchive(trial);
    compressor.SetSpanning(0);
    for (const QString& name : archives)
        compressor.AddFile(demoArchives + name);
    if (compressor.Finish() != 0)
        return 0;
    const qint64 length = platform::BinaryFile(trial, platform::BinaryFile::Mode::Read).length();
    BackupWorld::removeFile(trial);
    return int((length + 1'439'999) / 1'440'000);
}

} // namespace

// Every archive of the demo workstation and its settings over floppy disks and back.
class RoundTripTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<BackupWorld>();
        QTemporaryDir noPrograms;
        demo::DemoWorkstation(m_world->root(), noPrograms.path()).layOut();
        TestWorkstation::writeFile(u"C:\\Tramex\\Tramex Config.mdb"_s, "configurazione");
        // The compression component itself, in place of the world's stand-in.
        TestWorkstation::registerBuilt(u"SalvixZip.dll"_s);
    }
    void cleanup() { m_world.reset(); }

    void everyArchiveComesBackFromTheDisks()
    {
        const QMap<QString, QByteArray> original = archivesOnDisk();
        QVERIFY(original.size() >= 4);
        const int disks = disksFor(original.keys());
        QVERIFY2(disks > 2, qPrintable(QString::number(disks)));

        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        save(window.get(), disks);
        QCOMPARE(m_world->filesOnDisk(settingsDisk),
                 (QStringList{u"Tramex Config.zip"_s, u"Tramex.ini"_s, u"TramexCADConfig.ini"_s,
                              u"TramexHardConfig.ini"_s}));
        QVERIFY(joinedPiecesPassTheZipTest(disks));
        for (const QString& name : original.keys())
            BackupWorld::removeFile(demoArchives + name);
        TestWorkstation::writeFile(u"C:\\Tramex\\Tramex Config.mdb"_s, "cambiata");

        restore(window.get(), disks, restoredText);
        QCOMPARE(archivesOnDisk(), original);
        QCOMPARE(TestWorkstation::readFile(u"C:\\Tramex\\Tramex Config.mdb"_s), QByteArray("configurazione"));

        // One byte changed in the second piece: nothing is restored over the current archives.
        m_world->insertDisk(u"2"_s);
        QByteArray piece = TestWorkstation::readFile(u"A:\\Salvix.zip.2.spf"_s);
        piece[700'000] = char(piece[700'000] ^ 0x01);
        TestWorkstation::writeFile(u"A:\\Salvix.zip.2.spf"_s, piece);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        const QMap<QString, QByteArray> current = archivesOnDisk();
        restore(window.get(), disks, u"Problemi durante il ripristino"_s);
        QCOMPARE(archivesOnDisk(), current);
    }

private:
    bool joinedPiecesPassTheZipTest(int disks)
    {
        QByteArray joined;
        for (int disk = 1; disk <= disks; ++disk) {
            m_world->insertDisk(QString::number(disk));
            joined += TestWorkstation::readFile(u"A:\\Salvix.zip."_s + QString::number(disk) + u".spf"_s);
        }
        const QString zip = m_world->inRoot(u"joined.zip"_s);
        TestWorkstation::writeHostFile(zip, joined);
        QProcess unzip;
        unzip.start(u"unzip"_s, {u"-tq"_s, zip});
        return unzip.waitForFinished(60'000) && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
    }

    static inline const QString restoredText = u"Ripristino eseguito correttamente"_s;

    void save(backup::FrmOne* window, int disks)
    {
        auto& prompter = m_world->prompter;
        prompter.expectMessage(TextMatcher::contains(u"TRAMEX - DISCO IMPOSTAZIONI"_s), Answer::Ok,
                               [this] { m_world->insertDisk(settingsDisk); });
        for (int disk = 1; disk <= disks; ++disk)
            prompter.expectMessage(
                TextMatcher::contains(u"DISCO BACKUP DATABASE N."_s + QString::number(disk) + u" "_s), Answer::Ok,
                [this, disk] { m_world->insertDisk(QString::number(disk)); });
        prompter.expectMessage(u"Salvataggio eseguito correttamente"_s, Answer::Ok);
        window->controls().CmdEsegui->click();
    }

    void restore(backup::FrmOne* window, int disks, const QString& outcome)
    {
        auto& prompter = m_world->prompter;
        window->controls().OptOperazione[1]->click();
        prompter.expectMessage(TextMatcher::contains(u"TRAMEX - DISCO IMPOSTAZIONI"_s), Answer::Ok,
                               [this] { m_world->insertDisk(settingsDisk); });
        prompter.expectMessage(TextMatcher::startsWith(u"Inserisci l'ultimo disco"_s), Answer::Ok,
                               [this, disks] { m_world->insertDisk(QString::number(disks)); });
        for (int disk = 1; disk <= disks; ++disk)
            prompter.expectMessage(u"Inserisci il disco "_s + QString::number(disk) + u" del set di backup"_s,
                                   Answer::Ok, [this, disk] { m_world->insertDisk(QString::number(disk)); });
        if (outcome != restoredText)
            prompter.expectMessage(TextMatcher::startsWith(u"Errore durante la decompressione "_s), Answer::Ok);
        prompter.expectMessage(outcome, Answer::Ok);
        window->controls().CmdEsegui->click();
    }

    std::unique_ptr<BackupWorld> m_world;
};

TRAMEX_QT_TEST(RoundTripTest);

#include "RoundTripTest.moc"
