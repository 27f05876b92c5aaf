#pragma once

#include <array>

#include <QWidget>

#include "useradmin/UserFields.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace useradmin {

// Permix's window: the logins of the configuration database in LstUtenti and, on the tabs of
// SSTabDatiUtenti, the data ("Dati utente": TxtNome, TxtCognome, TxtLogin and the password boxes
// TxtPassword and TxtConfermaPWD in the frame FraPwd) and the rights ("Autorizzazioni":
// ChkSoloLettura, ChkStampa and the six boxes ChkAutorizza in the frame FraAut) of the selected
// user, or of a new one when nothing is selected. CmdNuovo, CmdArchivia, CmdElimina and CmdEsci
// act on them. It deletes itself when it closes.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    // Loads the window: centred on the screen, the users listed, a new user on screen.
    explicit FrmMain(QString configDatabasePath, QWidget* parent = nullptr);

    // Adds the logins of the table to the list, which the caller has cleared.
    void FillLstUtenti();
    // Shows the selected user.
    void LeggiDatiUtente();
    // Stores the screen into the selected user's row, or a new one; true once it is stored.
    bool ArchiviaUtente();
    void CancellaUtente();
    // A new user: empty boxes, read-only, no printing and no rights.
    void PulisciCampiForm();
    // Archivia needs a login and a password of at least two characters, Elimina a selected user.
    void SetCmd();

    // The list's entry at its selection; empty when nothing is selected.
    QString selectedLogin() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void LstUtenti_Click();
    void CmdNuovo_Click();
    void CmdArchivia_Click();
    void CmdElimina_Click();
    void ChkSoloLettura_Click();
    void TxtLogin_GotFocus();
    void selectWholeText(QLineEdit& box);
    // Selects the entry as a click does, so that its user is read even when it was selected.
    void selectEntry(int row);
    bool hasSelection() const;
    UserFields fieldsOnScreen() const;
    void showFields(const UserFields& fields);

    QString m_configDatabasePath;
    // True while Nuovo clears the list's selection: the selection then reads no user.
    bool m_clearingSelection = false;

    QListWidget* m_users = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_login = nullptr;
    QLineEdit* m_nome = nullptr;
    QLineEdit* m_cognome = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_conferma = nullptr;
    QCheckBox* m_soloLettura = nullptr;
    QCheckBox* m_stampa = nullptr;
    std::array<QCheckBox*, 6> m_autorizza{};
    QPushButton* m_nuovo = nullptr;
    QPushButton* m_archivia = nullptr;
    QPushButton* m_elimina = nullptr;
    QPushButton* m_esci = nullptr;
};

} // namespace useradmin
