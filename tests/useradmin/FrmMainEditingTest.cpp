#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "explorer/store/engine/Engine.h"
#include "tests/support/CardArchives.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/UserAdminWorld.h"
#include "useradmin/FrmMain.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

const QString& configDatabase = UserAdminWorld::configDatabase;
const QString newScreen = QStringLiteral("|||||10000000");

useradmin::UserFields userWithRights(const QString& login, bool soloLettura, bool stampa, const QString& rights)
{
    useradmin::UserFields fields = UserAdminWorld::user(login);
    fields.SoloLettura = soloLettura;
    fields.Stampa = stampa;
    for (qsizetype right = 0; right < rights.size(); ++right)
        fields.Autorizza[std::size_t(right)] = rights[right] == u'1';
    return fields;
}

// A column of a user's row as SQLite holds it ("integer:-1", "text:abc", ...).
QString stored(const QString& column, const QString& login)
{
    return CardArchives::stored(configDatabase, QStringLiteral("SELECT %1 FROM Operatori WHERE Login = '%2'")
                                                    .arg(column, QString(login).replace(u'\'', QStringLiteral("''"))));
}

QStringList texts(const QList<interaction::ScriptedPrompter::Prompt>& prompts)
{
    QStringList result;
    for (const auto& prompt : prompts)
        result.append(prompt.text);
    return result;
}

} // namespace

class FrmMainEditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<UserAdminWorld>(); }
    void cleanup() { m_world.reset(); }

    void selectingAUserShowsItsDataAndItsRights()
    {
        UserAdminWorld::makeConfigDatabase(
            {userWithRights(QStringLiteral("mrossi"), true, false, QStringLiteral("110000")),
             userWithRights(QStringLiteral("lverdi"), false, true, QStringLiteral("001011"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("lverdi"));
        QCOMPARE(m_world->shown(), QStringLiteral("lverdi|Nome|Cognome|segreta|segreta|01001011"));
        for (QCheckBox* right : m_world->ChkAutorizza())
            QVERIFY(right->isEnabled());
        QVERIFY(m_world->button("CmdElimina")->isEnabled());
        QVERIFY(m_world->button("CmdArchivia")->isEnabled());

        m_world->LstUtenti()->setFocus();
        QTest::keyClick(m_world->LstUtenti(), Qt::Key_Up);
        QCOMPARE(m_world->window().selectedLogin(), QStringLiteral("mrossi"));
        QCOMPARE(m_world->shown(), QStringLiteral("mrossi|Nome|Cognome|segreta|segreta|10110000"));
        for (QCheckBox* right : m_world->ChkAutorizza())
            QVERIFY(!right->isEnabled());

        // The password shows nowhere but in the two password boxes, and there as stars.
        for (QWidget* widget : m_world->window().findChildren<QWidget*>()) {
            QString text;
            if (auto* box = qobject_cast<QLineEdit*>(widget))
                text = box->displayText();
            else if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            QVERIFY2(!text.contains(QStringLiteral("segreta")), qPrintable(widget->objectName()));
            QVERIFY(!widget->toolTip().contains(QStringLiteral("segreta")));
        }
        QVERIFY(!m_world->listed().join(u' ').contains(QStringLiteral("segreta")));
        QVERIFY(!m_world->window().windowTitle().contains(QStringLiteral("segreta")));
    }

    void archiviaWaitsForTwoCharactersOfLoginAndOfPassword_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("both two characters") << "ab"
                                             << "xy" << true;
        QTest::newRow("a one-character password") << "mrossi"
                                                  << "x" << false;
        QTest::newRow("a one-character login") << "m"
                                               << "segreta" << false;
        QTest::newRow("no password") << "mrossi"
                                     << "" << false;
        QTest::newRow("blanks count") << "  "
                                      << "  " << true;
    }
    void archiviaWaitsForTwoCharactersOfLoginAndOfPassword()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(bool, enabled);
        UserAdminWorld::makeConfigDatabase();
        m_world->openWindow();
        m_world->type("TxtLogin", login);
        m_world->type("TxtPassword", password);
        QCOMPARE(m_world->button("CmdArchivia")->isEnabled(), enabled);
        // Only the login and the password count.
        m_world->type("TxtConfermaPWD", QStringLiteral("zz"));
        m_world->type("TxtNome", QStringLiteral("zz"));
        QCOMPARE(m_world->button("CmdArchivia")->isEnabled(), enabled);
    }

    void aMismatchedConfirmationStoresNothingAndKeepsTheScreen()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("mrossi"));
        m_world->type("TxtNome", QStringLiteral("Mario"));
        m_world->type("TxtPassword", QStringLiteral("Nuova"));
        m_world->type("TxtConfermaPWD", QStringLiteral("nuova"));
        m_world->prompter.expectMessage(QStringLiteral("I campi PASSWORD e CONFERMA PASSWORD non corrispondono"),
                                        Answer::Ok);
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);
        QCOMPARE(m_world->prompter.prompts().constLast().icon, interaction::Icon::Critical);
        QCOMPARE(m_world->prompter.prompts().constLast().title, QStringLiteral("Permix"));
        QCOMPARE(UserAdminWorld::users(), QStringList{QStringLiteral("mrossi|Nome|Cognome|segreta|10000000")});
        QCOMPARE(m_world->shown(), QStringLiteral("mrossi|Mario|Cognome|Nuova|nuova|10000000"));
        QCOMPARE(m_world->window().selectedLogin(), QStringLiteral("mrossi"));
    }

    void storingANewUserAddsItsRowAsTypedAndEmptiesTheScreen()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        QTest::mouseClick(m_world->button("CmdNuovo"), Qt::LeftButton);
        m_world->type("TxtNome", QStringLiteral("Anna"));
        m_world->type("TxtCognome", QStringLiteral("Russo "));
        m_world->type("TxtLogin", QStringLiteral("Anna.Russo"));
        m_world->type("TxtPassword", QStringLiteral(" Pa ss "));
        m_world->type("TxtConfermaPWD", QStringLiteral(" Pa ss "));
        m_world->showTab(1);
        m_world->clickCheckBox(m_world->check("ChkSoloLettura"));
        m_world->clickCheckBox(m_world->check("ChkStampa"));
        m_world->clickCheckBox(m_world->ChkAutorizza()[0]);
        m_world->clickCheckBox(m_world->ChkAutorizza()[5]);
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);

        QCOMPARE(UserAdminWorld::users(),
                 (QStringList{"mrossi|Nome|Cognome|segreta|10000000", "Anna.Russo|Anna|Russo | Pa ss |01100001"}));
        QCOMPARE(m_world->listed(), (QStringList{"mrossi", "Anna.Russo"}));
        QVERIFY(m_world->LstUtenti()->selectedItems().isEmpty());
        QCOMPARE(m_world->shown(), newScreen);
        QVERIFY(!m_world->button("CmdArchivia")->isEnabled());
        QVERIFY(!m_world->button("CmdElimina")->isEnabled());
        // Yes/No columns: the check boxes' 0 and 1 and the rights' True and False all land as -1 and 0.
        QCOMPARE(stored(QStringLiteral("SoloLettura"), QStringLiteral("Anna.Russo")), QStringLiteral("integer:0"));
        QCOMPARE(stored(QStringLiteral("Stampa"), QStringLiteral("Anna.Russo")), QStringLiteral("integer:-1"));
        QCOMPARE(stored(QStringLiteral("ModificaSchedaModello"), QStringLiteral("Anna.Russo")),
                 QStringLiteral("integer:-1"));
        QCOMPARE(stored(QStringLiteral("CancellaSchede"), QStringLiteral("Anna.Russo")), QStringLiteral("integer:0"));
        QCOMPARE(stored(QStringLiteral("Password"), QStringLiteral("Anna.Russo")), QStringLiteral("text: Pa ss "));
        QVERIFY(m_world->prompter.prompts().isEmpty());
    }

    void storingAnEditedUserReselectsIt_data()
    {
        QTest::addColumn<QString>("login");
        QTest::newRow("the same login") << "lverdi";
        QTest::newRow("a new login") << "luca.verdi";
    }
    void storingAnEditedUserReselectsIt()
    {
        QFETCH(QString, login);
        UserAdminWorld::makeConfigDatabase(
            {UserAdminWorld::user(QStringLiteral("lverdi")), UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("lverdi"));
        m_world->type("TxtLogin", login);
        m_world->type("TxtCognome", QStringLiteral("Verdini"));
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);
        QCOMPARE(UserAdminWorld::users(),
                 (QStringList{login + "|Nome|Verdini|segreta|10000000", "mrossi|Nome|Cognome|segreta|10000000"}));
        QCOMPARE(m_world->listed(), (QStringList{login, "mrossi"}));
        QCOMPARE(m_world->window().selectedLogin(), login);
        QCOMPARE(m_world->shown(), login + "|Nome|Verdini|segreta|segreta|10000000");
        QVERIFY(m_world->button("CmdElimina")->isEnabled());
    }

    void theDisabledRightsKeepTheirValues()
    {
        UserAdminWorld::makeConfigDatabase(
            {userWithRights(QStringLiteral("lverdi"), false, true, QStringLiteral("101010"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("lverdi"));
        m_world->showTab(1);
        m_world->clickCheckBox(m_world->check("ChkSoloLettura"));
        for (QCheckBox* right : m_world->ChkAutorizza()) {
            QVERIFY(!right->isEnabled());
            m_world->clickCheckBox(right);
        }
        QCOMPARE(m_world->shown(), QStringLiteral("lverdi|Nome|Cognome|segreta|segreta|11101010"));
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);
        QCOMPARE(UserAdminWorld::users(), QStringList{QStringLiteral("lverdi|Nome|Cognome|segreta|11101010")});
    }

    void deletingAsksAndThenShowsTheFirstUser_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes") << int(Answer::Yes) << QStringList{"mrossi", "gbianchi"};
        QTest::newRow("no") << int(Answer::No) << QStringList{"mrossi", "lverdi", "gbianchi"};
    }
    void deletingAsksAndThenShowsTheFirstUser()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"), QStringLiteral("Mario")),
                                            UserAdminWorld::user(QStringLiteral("lverdi")),
                                            UserAdminWorld::user(QStringLiteral("gbianchi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("lverdi"));
        m_world->prompter.expectMessage(QStringLiteral("Sei sicuro di voler cancellare l'utente lverdi ? "),
                                        Answer(answer));
        QTest::mouseClick(m_world->button("CmdElimina"), Qt::LeftButton);
        const auto& question = m_world->prompter.prompts().constLast();
        QCOMPARE(question.buttons, interaction::Buttons::YesNo);
        QCOMPARE(question.icon, interaction::Icon::Exclamation);
        QCOMPARE(question.defaultButton, interaction::DefaultButton::Second);
        QCOMPARE(m_world->listed(), left);
        QCOMPARE(UserAdminWorld::users().size(), left.size());
        QCOMPARE(m_world->window().selectedLogin(), QStringLiteral("mrossi"));
        QCOMPARE(m_world->shown(), QStringLiteral("mrossi|Mario|Cognome|segreta|segreta|10000000"));
    }

    void deletingTheLastUserLeavesAnEmptyList()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("mrossi"));
        m_world->prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Sei sicuro")), Answer::Yes);
        QTest::mouseClick(m_world->button("CmdElimina"), Qt::LeftButton);
        QVERIFY(UserAdminWorld::users().isEmpty());
        QCOMPARE(m_world->LstUtenti()->count(), 0);
        QCOMPARE(m_world->window().selectedLogin(), QString());
        QCOMPARE(m_world->shown(), newScreen);
        QVERIFY(!m_world->button("CmdElimina")->isEnabled());
    }

    void nuovoShowsANewUserWithoutReadingAny()
    {
        UserAdminWorld::makeConfigDatabase(
            {userWithRights(QStringLiteral("mrossi"), false, true, QStringLiteral("111111"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("mrossi"));
        m_world->showTab(1);
        QTest::mouseClick(m_world->button("CmdNuovo"), Qt::LeftButton);
        QCOMPARE(m_world->shown(), newScreen);
        QVERIFY(m_world->LstUtenti()->selectedItems().isEmpty());
        QCOMPARE(m_world->SSTabDatiUtenti()->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), m_world->box("TxtNome"));
        QVERIFY(!m_world->button("CmdElimina")->isEnabled());
        for (QCheckBox* right : m_world->ChkAutorizza())
            QVERIFY(!right->isEnabled());
    }

    void enteringTheLoginProposesOneOnlyWhenItIsEmpty_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first letter and surname") << "Abc"
                                                  << "Def"
                                                  << ""
                                                  << "adef";
        QTest::newRow("an existing login is only lowered") << "Abc"
                                                           << "Def"
                                                           << "MRossi"
                                                           << "mrossi";
        QTest::newRow("no first name") << ""
                                       << "Verdi"
                                       << ""
                                       << "verdi";
        QTest::newRow("nothing to propose") << ""
                                            << ""
                                            << ""
                                            << "";
    }
    void enteringTheLoginProposesOneOnlyWhenItIsEmpty()
    {
        QFETCH(QString, nome);
        QFETCH(QString, cognome);
        QFETCH(QString, login);
        QFETCH(QString, expected);
        UserAdminWorld::makeConfigDatabase();
        m_world->openWindow();
        m_world->type("TxtNome", nome);
        m_world->type("TxtCognome", cognome);
        m_world->type("TxtLogin", login);
        m_world->box("TxtCognome")->setFocus();
        QTest::keyClick(m_world->box("TxtCognome"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_world->box("TxtLogin"));
        QCOMPARE(m_world->box("TxtLogin")->text(), expected);
        QCOMPARE(m_world->box("TxtLogin")->selectedText(), expected);
    }

    void enteringTheOtherBoxesSelectsTheirWholeText()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("mrossi"));
        for (const char* name : {"TxtNome", "TxtCognome", "TxtPassword", "TxtConfermaPWD"}) {
            QLineEdit* box = m_world->box(name);
            box->deselect();
            m_world->button("CmdNuovo")->setFocus();
            box->setFocus();
            QCOMPARE(box->selectionStart(), 0);
            QCOMPARE(box->selectionLength(), box->text().size());
        }
    }

    void aLoginWithAnApostropheIsFoundEditedAndDeletedLikeAnyOther()
    {
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("d'amico"), QStringLiteral("Dario")),
                                            UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
        m_world->clickUser(QStringLiteral("d'amico"));
        QCOMPARE(m_world->shown(), QStringLiteral("d'amico|Dario|Cognome|segreta|segreta|10000000"));
        m_world->type("TxtCognome", QStringLiteral("D'Amico"));
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);
        QCOMPARE(UserAdminWorld::users(),
                 (QStringList{"d'amico|Dario|D'Amico|segreta|10000000", "mrossi|Nome|Cognome|segreta|10000000"}));
        QCOMPARE(m_world->window().selectedLogin(), QStringLiteral("d'amico"));

        QTest::mouseClick(m_world->button("CmdNuovo"), Qt::LeftButton);
        m_world->type("TxtLogin", QStringLiteral("o'neil"));
        m_world->type("TxtPassword", QStringLiteral("pw"));
        m_world->type("TxtConfermaPWD", QStringLiteral("pw"));
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);
        m_world->clickUser(QStringLiteral("o'neil"));
        QCOMPARE(m_world->shown(), QStringLiteral("o'neil|||pw|pw|10000000"));

        m_world->clickUser(QStringLiteral("d'amico"));
        m_world->prompter.expectMessage(QStringLiteral("Sei sicuro di voler cancellare l'utente d'amico ? "),
                                        Answer::Yes);
        QTest::mouseClick(m_world->button("CmdElimina"), Qt::LeftButton);
        QCOMPARE(m_world->listed(), (QStringList{"mrossi", "o'neil"}));
        QCOMPARE(UserAdminWorld::users().size(), 2);
    }

    void aUserGoneMeanwhileIsToldAndNothingIsRead()
    {
        UserAdminWorld::makeConfigDatabase(
            {UserAdminWorld::user(QStringLiteral("mrossi")), UserAdminWorld::user(QStringLiteral("lverdi"))});
        m_world->openWindow();
        CardArchives::execute(configDatabase, QStringLiteral("DELETE * FROM Operatori WHERE Login = 'lverdi'"));
        m_world->prompter.expectMessage(
            QStringLiteral("Utente non presente nel database, esci e ricarica il programma"), Answer::Ok);
        m_world->clickUser(QStringLiteral("lverdi"));
        QCOMPARE(m_world->prompter.prompts().constLast().icon, interaction::Icon::Critical);
        QCOMPARE(m_world->shown(), newScreen);
    }

    void aDuplicateLoginIsRefusedByTheTableAndNothingChanges_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QList<int>>("answers");
        QTest::newRow("a new user, abort") << ""
                                           << "mrossi" << QList<int>{int(Answer::Abort)};
        QTest::newRow("a new user in other case, ignore") << ""
                                                          << "MRossi" << QList<int>{int(Answer::Ignore)};
        QTest::newRow("a new user, retry then abort") << ""
                                                      << "mrossi" << QList<int>{int(Answer::Retry), int(Answer::Abort)};
        QTest::newRow("renaming to an existing login") << "lverdi"
                                                       << "mrossi" << QList<int>{int(Answer::Abort)};
    }
    void aDuplicateLoginIsRefusedByTheTableAndNothingChanges()
    {
        QFETCH(QString, selected);
        QFETCH(QString, login);
        QFETCH(QList<int>, answers);
        UserAdminWorld::makeConfigDatabase(
            {UserAdminWorld::user(QStringLiteral("mrossi")), UserAdminWorld::user(QStringLiteral("lverdi"))});
        const QStringList before = UserAdminWorld::users();
        m_world->openWindow();
        if (!selected.isEmpty())
            m_world->clickUser(selected);
        m_world->type("TxtLogin", login);
        m_world->type("TxtNome", QStringLiteral("Marco"));
        m_world->type("TxtPassword", QStringLiteral("Nascosta1"));
        m_world->type("TxtConfermaPWD", QStringLiteral("Nascosta1"));
        const QString screen = m_world->shown();
        for (int answer : answers)
            m_world->prompter.expectMessage(TextMatcher::startsWith(QStringLiteral("Errore numero : 3022\r")),
                                            Answer(answer));
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);

        QCOMPARE(UserAdminWorld::users(), before);
        QCOMPARE(m_world->listed(), (QStringList{"mrossi", "lverdi"}));
        QCOMPARE(m_world->window().selectedLogin(), selected);
        QCOMPARE(m_world->shown(), screen);
        QVERIFY(m_world->prompter.prompts().constLast().text.endsWith(
            QStringLiteral("Durante Proc:ArchiviaUtente_Error\r\r")));
        const QStringList log = m_world->logLines();
        QCOMPARE(log.size(), 5 * answers.size());
        QCOMPARE(log[3].left(60), QStringLiteral("ERRORE     Durante Proc:ArchiviaUtente_Error Risposto con ") +
                                      (answers.first() == int(Answer::Abort)   ? QStringLiteral("An")
                                       : answers.first() == int(Answer::Retry) ? QStringLiteral("Ri")
                                                                               : QStringLiteral("Ig")));
        // The password stays in the table only.
        QVERIFY(!log.join(u'\n').contains(QStringLiteral("Nascosta1")));
        QVERIFY(!texts(m_world->prompter.prompts()).join(u'\n').contains(QStringLiteral("Nascosta1")));
    }

    void aUserIsAddedFromTheKeyboardAlone()
    {
        UserAdminWorld::makeConfigDatabase();
        m_world->openWindow();
        m_world->pressMnemonic("CmdNuovo", Qt::Key_N);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Giulia"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Esposito"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_world->box("TxtLogin"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mod3lli"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mod3lli"));
        m_world->pressMnemonic("CmdArchivia", Qt::Key_A);
        QCOMPARE(UserAdminWorld::users(), QStringList{QStringLiteral("gesposito|Giulia|Esposito|Mod3lli|10000000")});
        QCOMPARE(m_world->listed(), QStringList{QStringLiteral("gesposito")});
    }

    void aDatabaseHeldByAnotherProcessIsRetriedOnceItLetsGo()
    {
        UserAdminWorld::makeConfigDatabase(
            {UserAdminWorld::user(QStringLiteral("mrossi")), UserAdminWorld::user(QStringLiteral("lverdi"))});
        m_world->openWindow();
        auto holder = std::make_unique<LockHolder>(configDatabase, QStringLiteral("exclusive"));
        QCOMPARE(holder->status(), QStringLiteral("open"));
        QTest::mouseClick(m_world->button("CmdNuovo"), Qt::LeftButton);
        m_world->type("TxtLogin", QStringLiteral("gbianchi"));
        m_world->type("TxtPassword", QStringLiteral("pw"));
        m_world->type("TxtConfermaPWD", QStringLiteral("pw"));
        m_world->prompter.expectMessage(
            TextMatcher::startsWith(QStringLiteral(
                "Errore numero : 3045\rCould not use 'C:\\Tramex\\Tramex Config.mdb'; file already in use.")),
            Answer::Retry, [&] { holder.reset(); });
        QTest::mouseClick(m_world->button("CmdArchivia"), Qt::LeftButton);

        QCOMPARE(UserAdminWorld::users(),
                 (QStringList{"mrossi|Nome|Cognome|segreta|10000000", "lverdi|Nome|Cognome|segreta|10000000",
                              "gbianchi|||pw|10000000"}));
        QCOMPARE(m_world->listed(), (QStringList{"mrossi", "lverdi", "gbianchi"}));
        QCOMPARE(m_world->shown(), newScreen);
        const QStringList log = m_world->logLines();
        QCOMPARE(log.size(), 5);
        QCOMPARE(log[3].left(60), QStringLiteral("ERRORE     Durante Proc:ArchiviaUtente_Error Risposto con Ri"));
    }

private:
    std::unique_ptr<UserAdminWorld> m_world;
};

TRAMEX_QT_TEST(FrmMainEditingTest);

#include "FrmMainEditingTest.moc"
