#include <optional>

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <QWidget>

#include "backup/BackupRun.h"
#include "backup/CardArchiveBackup.h"
#include "interaction/RecordingProgressDisplay.h"
#include "platform/Listing.h"
#include "tests/backup/BackupWorld.h"
#include "tests/support/ProcessOutput.h"
#include "tests/support/QtTestMain.h"

using namespace Qt::StringLiterals;
using Archives = QMap<QString, QByteArray>;

namespace {

const QString destination = u"D:\\Copie\\"_s;
const QStringList archiveNames{u"DONNA.mdb"_s, u"UOMO.mdb"_s};

// Archives that do not compress, so that the copy to the folder takes a while.
Archives writeArchives(quint32 generation)
{
    Archives archives;
    for (const QString& name : archiveNames) {
        QByteArray bytes(2'000'000, Qt::Uninitialized);
        QRandomGenerator(generation * 31 + quint32(name.size()))
            .fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        TestWorkstation::writeFile(BackupWorld::archiveFolder + name, bytes);
        archives.insert(name, bytes);
    }
    return archives;
}

Archives archivesNow()
{
    Archives archives;
    for (const QString& name : archiveNames)
        archives.insert(name, TestWorkstation::readFile(BackupWorld::archiveFolder + name));
    return archives;
}

bool zipIsWhole(const QString& windowsPath)
{
    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-tq"_s, TestWorkstation::hostPath(windowsPath)});
    return unzip.waitForFinished(60'000) && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
}

} // namespace

// A save killed at random moments, many times over: the archives stay as they are; the folder then
// holds a set that restores whole archives, of this save or of the one before; and the next save
// leaves nothing behind.
class KilledSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<BackupWorld>();
        TestWorkstation::registerBuilt(u"SalvixZip.dll"_s);
        TestWorkstation::makeFolder(destination);
    }
    void cleanup() { m_world.reset(); }

    void aKilledSaveLosesNoArchiveAndTheNextLeavesNothingBehind()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        qInfo("seed %u", seed);

        Archives saved = writeArchives(0);
        QElapsedTimer whole;
        whole.start();
        QCOMPARE(save(), QByteArray("saving\nsaved 1\n"));
        const int saveMilliseconds = int(whole.elapsed());

        int killedMidway = 0;
        for (quint32 run = 1; run <= 16; ++run) {
            const Archives current = writeArchives(run);
            // Every other save is killed while it copies into the folder.
            const QByteArray output = run % 2 == 0 ? save("copying\n", int(random.bounded(8)))
                                                   : save("saving\n", int(random.bounded(saveMilliseconds + 1)));
            QVERIFY2(output.startsWith("saving\n"), output.constData());
            killedMidway += output.contains("saved") ? 0 : 1;
            QCOMPARE(archivesNow(), current);

            QVERIFY2(zipIsWhole(destination + u"Salvix.zip"_s), qPrintable(u"run "_s + QString::number(run)));
            QVERIFY(restore());
            const Archives after = archivesNow();
            QVERIFY2(after == current || after == saved, qPrintable(u"run "_s + QString::number(run)));
            saved = after;
        }
        QVERIFY(killedMidway > 0);
        qInfo("%d of 16 saves killed before their end", killedMidway);

        const Archives last = writeArchives(100);
        QCOMPARE(save(), QByteArray("saving\nsaved 1\n"));
        QCOMPARE(platform::listing::dir(BackupWorld::temporaryFolder() + u"Salvix.*"_s), QStringList());
        QCOMPARE(QDir(TestWorkstation::hostPath(destination)).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{u"Salvix.ini"_s, u"Salvix.zip"_s}));
        writeArchives(101);
        QVERIFY(restore());
        QCOMPARE(archivesNow(), last);
    }

private:
    // The save in a program of its own, killed `killAfter` milliseconds after it printed `mark`
    // when given; what it printed, and its complaints when it was to end and did not save.
    QByteArray save(const QByteArray& mark = {}, std::optional<int> killAfter = std::nullopt)
    {
        QProcess saving;
        saving.start(TestWorkstation::builtProgram(u"salvix_save_helper"_s),
                     QStringList{m_world->root(), BackupWorld::programFolder, BackupWorld::archiveFolder, destination} +
                         archiveNames);
        if (!saving.waitForStarted())
            return "not started";
        QByteArray output;
        if (killAfter) {
            output = readOutputUntil(saving, mark, 60'000);
            QThread::msleep(*killAfter);
            saving.kill();
        }
        saving.waitForFinished(60'000);
        output += saving.readAllStandardOutput();
        if (!killAfter && !output.endsWith("saved 1\n"))
            output += saving.readAllStandardError();
        return output.replace("copying\n", "");
    }

    static bool restore()
    {
        QWidget window;
        interaction::RecordingProgressDisplay display;
        backup::BackupRun run(window, display, {destination, false, false, BackupWorld::archiveFolder, {}});
        backup::restoreCardArchives(run);
        return run.outcome;
    }

    std::unique_ptr<BackupWorld> m_world;
};

TRAMEX_QT_TEST(KilledSaveTest);

#include "KilledSaveTest.moc"
