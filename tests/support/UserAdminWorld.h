#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "interaction/ErrorLog.h"
#include "tests/support/ScriptedSeams.h"
#include "tests/support/TestWorkstation.h"
#include "useradmin/UserFields.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;

namespace useradmin {
class FrmMain;
}

// A Permix test's world: a fresh workstation (user "modellista") with Utilex4 registered, the
// program running as "Permix" from C:\Tramex with its error log there, scripted seams that fail
// the Qt test, "TramexHardConfig.ini" naming C:\Tramex\ as the configuration database's folder,
// and Permix's window once a test opens it.
class UserAdminWorld : public TestWorkstation, public ScriptedSeams {
public:
    static const QString programFolder;  // "C:\Tramex"
    static const QString configDatabase; // "C:\Tramex\Tramex Config.mdb"

    UserAdminWorld();
    ~UserAdminWorld() override;

    // A new configuration database holding these users, in this order.
    static void makeConfigDatabase(const QList<useradmin::UserFields>& users = {});
    static useradmin::UserFields user(const QString& login, const QString& nome = QStringLiteral("Nome"),
                                      const QString& cognome = QStringLiteral("Cognome"),
                                      const QString& password = QStringLiteral("segreta"));
    // Operatori's rows in the table's order: "login|nome|cognome|password|" then one digit for
    // SoloLettura, Stampa and each right (1 true, 0 false).
    static QStringList users();
    // The error log's lines, without their line ends.
    static QStringList logLines();

    // Starts as the main card editor does, with "Tramex", and waits until the window is active.
    useradmin::FrmMain& openWindow();
    useradmin::FrmMain& window() const { return *m_window; }

    QListWidget* LstUtenti() const;
    QTabWidget* SSTabDatiUtenti() const;
    QLineEdit* box(const char* name) const;
    QCheckBox* check(const char* name) const;
    QList<QCheckBox*> ChkAutorizza() const;
    QPushButton* button(const char* name) const;
    QStringList listed() const;
    // The screen as users() gives a row, the confirmation box after the password:
    // "login|nome|cognome|password|conferma|" and the digits of the check boxes.
    QString shown() const;
    // Clicks the list's entry with this text.
    void clickUser(const QString& login) const;
    // Empties the box and types the text into it.
    void type(const char* boxName, const QString& text) const;
    // Clicks the check box where a user does: on its box and caption, not beside them.
    void clickCheckBox(QCheckBox* box) const;
    // Clicks the tab as a user does and lets its page lay out, so that its controls can be clicked.
    void showTab(int index) const;
    // Presses Alt and the button's mnemonic where the focus is, and waits for the button's click
    // (a mnemonic clicks after the button has shown itself pressed).
    void pressMnemonic(const char* buttonName, Qt::Key key) const;

private:
    interaction::ErrorLog m_log;
    interaction::Seams::Installation m_logInstallation;
    QPointer<useradmin::FrmMain> m_window;
};
