#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/support/QtTestMain.h"
#include "tests/support/UserAdminWorld.h"
#include "useradmin/FrmMain.h"
#include "useradmin/StartUp.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString hardConfig = QStringLiteral("TramexHardConfig.ini");
const QString absent = QStringLiteral("<absent>");

} // namespace

class PermixStartUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<UserAdminWorld>(); }
    void cleanup() { m_world.reset(); }

    void anyOtherCommandLineEndsBeforeAnyDatabaseIsOpened_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("no word") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("lower case") << QStringLiteral("tramex");
        QTest::newRow("upper case") << QStringLiteral("TRAMEX");
        QTest::newRow("two words") << QStringLiteral("Tramex Tramex");
        QTest::newRow("a longer word") << QStringLiteral("Tramex2");
        QTest::newRow("quoted") << QStringLiteral("\"Tramex\"");
        QTest::newRow("a tab is no blank") << QStringLiteral("Tramex\t");
    }
    void anyOtherCommandLineEndsBeforeAnyDatabaseIsOpened()
    {
        QFETCH(QString, commandLine);
        // The database is missing: opening it would put the error dialog, which the script refuses.
        m_world->prompter.expectMessage(QStringLiteral("Questa applicazione può essere lanciata solo da Tramex !"),
                                        Answer::Ok);
        QCOMPARE(useradmin::startUp(commandLine), nullptr);
        const auto& prompt = m_world->prompter.prompts().constLast();
        QCOMPARE(prompt.buttons, interaction::Buttons::Ok);
        QCOMPARE(prompt.icon, interaction::Icon::None);
        QCOMPARE(prompt.title, QStringLiteral("Permix"));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<useradmin::FrmMain*>(window));
        QVERIFY(m_world->logLines().isEmpty());
    }

    void theWordWithBlanksAroundItOpensTheWindow_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("the word") << QStringLiteral("Tramex");
        QTest::newRow("blanks around it") << QStringLiteral("  Tramex   ");
    }
    void theWordWithBlanksAroundItOpensTheWindow()
    {
        QFETCH(QString, commandLine);
        UserAdminWorld::makeConfigDatabase();
        std::unique_ptr<useradmin::FrmMain> window(useradmin::startUp(commandLine));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tramex - Modulo Autorizzazioni Utenti"));
    }

    void configDatabasePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the installation's folder")
            << QStringLiteral("D:\\Config\\") << QStringLiteral("D:\\Config\\Tramex Config.mdb");
        QTest::newRow("used exactly as stored")
            << QStringLiteral("D:\\Config") << QStringLiteral("D:\\ConfigTramex Config.mdb");
        QTest::newRow("empty: the program's folder") << QString() << QStringLiteral("C:\\Tramex\\Tramex Config.mdb");
        QTest::newRow("absent: the program's folder") << absent << QStringLiteral("C:\\Tramex\\Tramex Config.mdb");
    }
    void configDatabasePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        const QString section = QStringLiteral("Generale");
        const QString key = QStringLiteral("TxtPathTramexCFG");
        m_world->writeFile(QStringLiteral("C:\\WINDOWS\\TramexHardConfig.ini"));
        if (folder != absent)
            m_world->writeIni(hardConfig, section, key, folder);
        QCOMPARE(useradmin::configDatabasePath(), expected);
    }

    void theWindowLoadsCentredWithTheUsersAndANewReadOnlyUser()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("lverdi")),
                                            UserAdminWorld::user(QStringLiteral("amanca")),
                                            UserAdminWorld::user(QStringLiteral("mrossi"))});
        useradmin::FrmMain& window = m_world->openWindow();
        QCOMPARE(m_world->listed(), (QStringList{"lverdi", "amanca", "mrossi"}));
        QVERIFY(m_world->LstUtenti()->selectedItems().isEmpty());
        QCOMPARE(m_world->shown(), QStringLiteral("|||||10000000"));
        for (QCheckBox* right : m_world->ChkAutorizza())
            QVERIFY(!right->isEnabled());
        QVERIFY(m_world->check("ChkStampa")->isEnabled());
        QVERIFY(!m_world->button("CmdArchivia")->isEnabled());
        QVERIFY(!m_world->button("CmdElimina")->isEnabled());
        QVERIFY(m_world->button("CmdNuovo")->isEnabled());
        QVERIFY(m_world->button("CmdEsci")->isEnabled());
        // Without a screen of its own the runtime's screen is 800 x 600 pixels.
        const QPoint centre = window.frameGeometry().center();
        QVERIFY2(qAbs(centre.x() - 400) <= 1 && qAbs(centre.y() - 300) <= 1,
                 qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
        QVERIFY(m_world->prompter.prompts().isEmpty());
    }

    void aMissingConfigurationDatabaseShowsTheErrorDialogAtLoad()
    {
        m_world->prompter.expectMessage(
            TextMatcher::startsWith(
                QStringLiteral("Errore numero : 3024\rCould not find file 'C:\\Tramex\\Tramex Config.mdb'.")),
            Answer::Abort);
        m_world->openWindow();
        const auto& prompt = m_world->prompter.prompts().constFirst();
        QVERIFY(prompt.text.endsWith(QStringLiteral("Durante Proc:FillLstUtenti_Error\r\r")));
        QCOMPARE(prompt.buttons, interaction::Buttons::AbortRetryIgnore);
        QCOMPARE(prompt.defaultButton, interaction::DefaultButton::Second);
        QCOMPARE(m_world->LstUtenti()->count(), 0);
        const QStringList log = m_world->logLines();
        QCOMPARE(log.size(), 5);
        QCOMPARE(log[3].left(60), QStringLiteral("ERRORE     Durante Proc:FillLstUtenti_Error Risposto con Ann"));
        QCOMPARE(log[3].mid(60), QStringLiteral("modellista  05/03/2024 17:08:09"));
    }

    void retryingAfterTheDatabaseAppearsListsItsUsers()
    {
        m_world->prompter.expectMessage(
            TextMatcher::startsWith(QStringLiteral("Errore numero : 3024\r")), Answer::Retry,
            [] { UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))}); });
        m_world->openWindow();
        QCOMPARE(m_world->listed(), QStringList{QStringLiteral("mrossi")});
        QVERIFY(m_world->logLines().last().startsWith(QStringLiteral("ERRORE     ------------")));
    }

private:
    std::unique_ptr<UserAdminWorld> m_world;
};

TRAMEX_QT_TEST(PermixStartUpTest);

#include "PermixStartUpTest.moc"
