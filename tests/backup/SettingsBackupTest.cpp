#include "backup/SettingsBackup.h"

#include <QCheckBox>
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

const QString saved = u"Salvataggio eseguito correttamente"_s;
const QString restored = u"Ripristino eseguito correttamente"_s;
const QString notRestored = u"Problemi durante il ripristino"_s;
const QString configDatabase = u"C:\\Tramex\\Tramex Config.mdb"_s;
const QString modelTemplate = u"C:\\Tramex\\Stampe\\Modello.ps"_s;
const QString windows = u"C:\\WINDOWS\\"_s;
const QStringList iniFiles = {u"Tramex.ini"_s, u"TramexCADConfig.ini"_s, u"TramexHardConfig.ini"_s};

void keep(const QString& key, const QString& value)
{
    TestWorkstation::writeIni(u"Salvix.ini"_s, u"Salvix"_s, key, value);
}

// The settings of an installation, each file telling which one it is by `version`.
void makeSettings(const QString& version)
{
    TestWorkstation::writeFile(configDatabase, "configurazione " + version.toUtf8());
    TestWorkstation::writeFile(modelTemplate, "modello " + version.toUtf8());
    for (const QString& name : iniFiles)
        TestWorkstation::writeIni(name, u"Versione"_s, u"Di"_s, version);
    TestWorkstation::writeIni(u"TramexHardConfig.ini"_s, u"Stampe"_s, u"TxtFilePSSchedaModello"_s, modelTemplate);
}

QString versionOf(const QString& iniFile)
{
    return TestWorkstation::readIni(iniFile, u"Versione"_s, u"Di"_s).value_or(u"<nessuna>"_s);
}

} // namespace

class SettingsBackupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<BackupWorld>();
        keep(u"IncludiDatabase"_s, u"0"_s);
        makeSettings(u"prima"_s);
        TestWorkstation::makeFolder(u"D:\\Copie"_s);
    }
    void cleanup() { m_world.reset(); }

    void aFolderKeepsTheSettingsAndGivesThemBack()
    {
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        for (const QString& name : iniFiles + QStringList{u"Tramex Config.zip"_s})
            QVERIFY2(TestWorkstation::fileExists(u"D:\\Copie\\"_s + name), qPrintable(name));
        QVERIFY(!TestWorkstation::fileExists(BackupWorld::temporaryFolder() + u"Tramex Config.zip"_s));

        makeSettings(u"dopo"_s);
        TestWorkstation::writeFile(windows + u"Tramex.ini.Copia"_s, "vecchia copia");
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(restored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(TestWorkstation::readFile(configDatabase), QByteArray("configurazione prima"));
        QCOMPARE(TestWorkstation::readFile(modelTemplate), QByteArray("modello prima"));
        for (const QString& name : iniFiles) {
            QCOMPARE(versionOf(name), u"prima"_s);
            QCOMPARE(versionOf(windows + name + u".Copia"_s), u"dopo"_s);
        }
    }

    void theSettingsDiskIsAskedForFirst()
    {
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 1000);
        keep(u"IncludiDatabase"_s, u"1"_s);
        const auto window = m_world->openWindow();
        window->controls().ChkFormattaDisco->click();
        prompter().expectMessage(u"Etichetta un disco con \r\rTRAMEX - DISCO IMPOSTAZIONI\r\rinseriscilo nel drive e "
                                 "premi OK"_s,
                                 Answer::Ok, [this] { m_world->insertDisk(u"impostazioni"_s); });
        prompter().expectMessage(TextMatcher::startsWith(u"Etichetta un disco\r\rDISCO BACKUP DATABASE N.1"_s),
                                 Answer::Ok, [this] { m_world->insertDisk(u"1"_s); });
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(prompter().prompts()[0].title, u"Salvix - Salvataggio impostazioni"_s);
        QCOMPARE(m_world->filesOnDisk(u"impostazioni"_s),
                 (QStringList{u"Tramex Config.zip"_s, u"Tramex.ini"_s, u"TramexCADConfig.ini"_s,
                              u"TramexHardConfig.ini"_s}));

        makeSettings(u"dopo"_s);
        BackupWorld::makeArchive(u"UOMO.mdb"_s, 10);
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(u"Inserisci il disco etichettato \rTRAMEX - DISCO IMPOSTAZIONI"_s, Answer::Ok,
                                 [this] { m_world->insertDisk(u"impostazioni"_s); });
        prompter().expectMessage(TextMatcher::startsWith(u"Inserisci l'ultimo disco"_s), Answer::Ok,
                                 [this] { m_world->insertDisk(u"1"_s); });
        prompter().expectMessage(restored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(versionOf(u"TramexCADConfig.ini"_s), u"prima"_s);
        QCOMPARE(TestWorkstation::readFile(configDatabase), QByteArray("configurazione prima"));
        QCOMPARE(TestWorkstation::readFile(BackupWorld::archiveFolder + u"UOMO.mdb"_s).size(), 1000);
    }

    void aMissingIniFileIsReportedAndTheOthersAreSaved_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("Tramex.ini") << u"Tramex.ini"_s << u"Tramex.ini non trovato nella dir C:\\WINDOWS"_s;
        QTest::newRow("TramexCADConfig.ini")
            << u"TramexCADConfig.ini"_s << u"TramexCADConfig.ini non trovato nella dir di Windows"_s;
    }
    void aMissingIniFileIsReportedAndTheOthersAreSaved()
    {
        QFETCH(QString, missing);
        QFETCH(QString, message);
        BackupWorld::removeFile(windows + missing);
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        prompter().expectMessage(message, Answer::Ok);
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        for (const QString& name : iniFiles)
            QCOMPARE(TestWorkstation::fileExists(u"D:\\Copie\\"_s + name), name != missing);
    }

    void aBackupWithoutAnIniFileLeavesTheCurrentOne()
    {
        keep(u"SorgenteDestin"_s, u"D:\\Copie"_s);
        const auto window = m_world->openWindow();
        prompter().expectMessage(saved, Answer::Ok);
        window->controls().CmdEsegui->click();
        BackupWorld::removeFile(u"D:\\Copie\\TramexHardConfig.ini"_s);

        makeSettings(u"dopo"_s);
        window->controls().OptOperazione[1]->click();
        prompter().expectMessage(u"TramexHardConfig.ini non trovato nella cartella di backup !"_s, Answer::Ok);
        prompter().expectMessage(notRestored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(versionOf(u"Tramex.ini"_s), u"prima"_s);
        QCOMPARE(versionOf(u"TramexCADConfig.ini"_s), u"prima"_s);
        // The installation keeps its hardware settings in place instead of only under ".Copia".
        QCOMPARE(versionOf(u"TramexHardConfig.ini"_s), u"dopo"_s);
    }

    void aRemovableSourceAsksForTheSettingsDiskUntilItIsThere()
    {
        keep(u"SorgenteDestin"_s, u"A:\\"_s);
        const auto window = m_world->openWindow();
        window->controls().OptOperazione[1]->click();
        const QString insert = u"Inserisci il disco etichettato \rTRAMEX - DISCO IMPOSTAZIONI"_s;
        prompter().expectMessage(insert, Answer::Ok).expectMessage(insert, Answer::Cancel);
        prompter().expectMessage(notRestored, Answer::Ok);
        window->controls().CmdEsegui->click();
        QCOMPARE(prompter().prompts()[0].title, u"Salvix - Ripristino impostazioni"_s);
        QCOMPARE(versionOf(u"Tramex.ini"_s), u"prima"_s);
    }

private:
    interaction::ScriptedPrompter& prompter() { return m_world->prompter; }

    std::unique_ptr<BackupWorld> m_world;
};

TRAMEX_QT_TEST(SettingsBackupTest);

#include "SettingsBackupTest.moc"
