#include <algorithm>
#include <memory>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/UserAdminWorld.h"
#include "useradmin/FrmMain.h"

namespace {

QString accessibleNameOf(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("<none>");
}

} // namespace

class FrmMainControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<UserAdminWorld>();
        UserAdminWorld::makeConfigDatabase({UserAdminWorld::user(QStringLiteral("mrossi"))});
        m_world->openWindow();
    }
    void cleanup() { m_world.reset(); }

    void theTabsHoldTheDataAndTheRightsInTheirFrames()
    {
        QTabWidget* tabs = m_world->SSTabDatiUtenti();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Dati utente"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Autorizzazioni"));
        auto* passwords = m_world->window().findChild<QGroupBox*>(QStringLiteral("FraPwd"));
        auto* rights = m_world->window().findChild<QGroupBox*>(QStringLiteral("FraAut"));
        QCOMPARE(passwords->title(), QStringLiteral(" Password"));
        QCOMPARE(rights->title(), QStringLiteral(" Autorizzazioni"));
        for (const char* name : {"TxtLogin", "TxtNome", "TxtCognome"})
            QVERIFY(tabs->widget(0)->isAncestorOf(m_world->box(name)));
        for (const char* name : {"TxtPassword", "TxtConfermaPWD"})
            QVERIFY(passwords->isAncestorOf(m_world->box(name)));
        QVERIFY(tabs->widget(0)->isAncestorOf(passwords));
        QVERIFY(tabs->widget(1)->isAncestorOf(m_world->check("ChkSoloLettura")));
        QVERIFY(tabs->widget(1)->isAncestorOf(m_world->check("ChkStampa")));
        QCOMPARE(m_world->ChkAutorizza().size(), 6);
        for (QCheckBox* right : m_world->ChkAutorizza())
            QVERIFY(rights->isAncestorOf(right));
    }

    void everyControlHasItsCaptionAndAnAccessibleNameFromIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("login") << "TxtLogin"
                               << "Login:"
                               << "Login:";
        QTest::newRow("first name") << "TxtNome"
                                    << "Nome:"
                                    << "Nome:";
        QTest::newRow("surname") << "TxtCognome"
                                 << "Cognome:"
                                 << "Cognome:";
        QTest::newRow("password") << "TxtPassword"
                                  << "Password:"
                                  << "Password:";
        QTest::newRow("confirmation") << "TxtConfermaPWD"
                                      << "Conferma:"
                                      << "Conferma:";
        QTest::newRow("read only") << "ChkSoloLettura"
                                   << "Sola lettura"
                                   << "Sola lettura";
        QTest::newRow("print") << "ChkStampa"
                               << "Stampa"
                               << "Stampa";
        QTest::newRow("new") << "CmdNuovo"
                             << "&Nuovo"
                             << "Nuovo";
        QTest::newRow("store") << "CmdArchivia"
                               << "&Archivia"
                               << "Archivia";
        QTest::newRow("delete") << "CmdElimina"
                                << "&Elimina"
                                << "Elimina";
        QTest::newRow("exit") << "CmdEsci"
                              << "&Esci"
                              << "Esci";
    }
    void everyControlHasItsCaptionAndAnAccessibleNameFromIt()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, accessibleName);
        auto* control = m_world->window().findChild<QWidget*>(name);
        QVERIFY(control);
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            const QList<QLabel*> labels = m_world->window().findChildren<QLabel*>();
            const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == box; });
            QVERIFY(label != labels.end());
            QCOMPARE((*label)->text(), caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
        }
        QCOMPARE(accessibleNameOf(control), accessibleName);
    }

    void theRightsKeepTheirOrderAndEveryFocusableControlIsNamed()
    {
        QStringList captions;
        for (QCheckBox* right : m_world->ChkAutorizza()) {
            captions.append(right->text());
            QCOMPARE(accessibleNameOf(right), right->text());
        }
        QCOMPARE(captions,
                 (QStringList{"Modifica scheda modello", "Modifica scheda piazzato", "Edit Configurazione/Utenti",
                              "Cancella schede", "Edita tabelle e Tipo Modello", "Crea nuova scheda"}));
        expectEveryControlNamed(m_world->window());
        expectEveryControlReachable(m_world->window());
    }

    void thePasswordBoxesShowEachCharacterAsAStar()
    {
        for (const char* name : {"TxtPassword", "TxtConfermaPWD"}) {
            m_world->type(name, QStringLiteral("Segr3ta"));
            QCOMPARE(m_world->box(name)->displayText(), QStringLiteral("*******"));
            QCOMPARE(accessibleNameOf(m_world->box(name)), m_world->box(name)->accessibleName());
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_world->box(name));
            QVERIFY(!accessible->text(QAccessible::Value).contains(QStringLiteral("Segr3ta")));
        }
    }

    void theTabKeyWalksTheControlsInTheOrderOfWork()
    {
        m_world->LstUtenti()->setFocus();
        QStringList order{focusedName()};
        for (int press = 0; press < 9; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(focusedName());
        }
        // Archivia and Elimina wait for a login and password, and a selected user.
        QCOMPARE(order, (QStringList{"LstUtenti", "qt_tabwidget_tabbar", "TxtNome", "TxtCognome", "TxtLogin",
                                     "TxtPassword", "TxtConfermaPWD", "CmdNuovo", "CmdEsci", "LstUtenti"}));

        m_world->showTab(1);
        m_world->check("ChkSoloLettura")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!m_world->check("ChkSoloLettura")->isChecked());
        order = QStringList{focusedName()};
        for (int press = 0; press < 8; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(focusedName());
        }
        QCOMPARE(order, (QStringList{"ChkSoloLettura", "ChkStampa", "ChkAutorizza", "ChkAutorizza", "ChkAutorizza",
                                     "ChkAutorizza", "ChkAutorizza", "ChkAutorizza", "CmdNuovo"}));
    }

    void theMnemonicsPressTheButtons()
    {
        m_world->clickUser(QStringLiteral("mrossi"));
        QCOMPARE(m_world->box("TxtLogin")->text(), QStringLiteral("mrossi"));
        m_world->showTab(1);
        m_world->pressMnemonic("CmdNuovo", Qt::Key_N);
        QVERIFY(m_world->LstUtenti()->selectedItems().isEmpty());
        QCOMPARE(m_world->box("TxtLogin")->text(), QString());
        QCOMPARE(m_world->SSTabDatiUtenti()->currentIndex(), 0);
        QCOMPARE(focusedName(), QStringLiteral("TxtNome"));
    }

    void exitClosesTheWindow()
    {
        QPointer<useradmin::FrmMain> window(&m_world->window());
        QTest::mouseClick(m_world->button("CmdEsci"), Qt::LeftButton);
        QTRY_VERIFY(!window);
    }

private:
    std::unique_ptr<UserAdminWorld> m_world;
};

TRAMEX_QT_TEST(FrmMainControlsTest);

#include "FrmMainControlsTest.moc"
