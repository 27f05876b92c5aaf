#include "useradmin/FrmMain.h"

#include <utility>

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "common/Utility.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "ui/AccessibleWindow.h"
#include "ui/WidgetBridge.h"
#include "useradmin/UserProcedures.h"

namespace useradmin {

FrmMain::FrmMain(QString configDatabasePath, QWidget* parent)
    : QWidget(parent), m_configDatabasePath(std::move(configDatabasePath))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Tramex - Modulo Autorizzazioni Utenti"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    connect(m_users, &QListWidget::itemSelectionChanged, this, &FrmMain::LstUtenti_Click);
    connect(m_soloLettura, &QCheckBox::toggled, this, &FrmMain::ChkSoloLettura_Click);
    connect(m_login, &QLineEdit::textChanged, this, &FrmMain::SetCmd);
    connect(m_password, &QLineEdit::textChanged, this, &FrmMain::SetCmd);
    connect(m_nuovo, &QPushButton::clicked, this, &FrmMain::CmdNuovo_Click);
    connect(m_archivia, &QPushButton::clicked, this, &FrmMain::CmdArchivia_Click);
    connect(m_elimina, &QPushButton::clicked, this, &FrmMain::CmdElimina_Click);
    connect(m_esci, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* box : {m_login, m_nome, m_cognome, m_password, m_conferma})
        box->installEventFilter(this);
    ui::accessibleWindow::adoptAccessibility(*this);

    Form_Load();
}

void FrmMain::Form_Load()
{
    automation::ObjectRef form = ui::widgetBridge::form(*this);
    common::utility().CenterForm(form);
    FillLstUtenti();
    SetCmd();
    m_soloLettura->setChecked(true);
}

void FrmMain::FillLstUtenti()
{
    m_users->addItems(useradmin::FillLstUtenti(m_configDatabasePath));
}

void FrmMain::LeggiDatiUtente()
{
    UserFields fields = fieldsOnScreen();
    useradmin::LeggiDatiUtente(m_configDatabasePath, selectedLogin(), fields);
    showFields(fields);
}

bool FrmMain::ArchiviaUtente()
{
    return useradmin::ArchiviaUtente(m_configDatabasePath, selectedLogin(), fieldsOnScreen());
}

void FrmMain::CancellaUtente()
{
    useradmin::CancellaUtente(m_configDatabasePath, selectedLogin());
}

void FrmMain::PulisciCampiForm()
{
    showFields(UserFields());
}

void FrmMain::SetCmd()
{
    m_archivia->setEnabled(m_password->text().size() >= 2 && m_login->text().size() >= 2);
    m_elimina->setEnabled(hasSelection());
    m_nuovo->setEnabled(true);
    m_esci->setEnabled(true);
}

QString FrmMain::selectedLogin() const
{
    const QList<QListWidgetItem*> selected = m_users->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool FrmMain::hasSelection() const
{
    return !m_users->selectedItems().isEmpty();
}

void FrmMain::LstUtenti_Click()
{
    if (m_clearingSelection)
        return;
    // Emptying the list takes its selection away too; only choosing a user reads one.
    if (hasSelection())
        LeggiDatiUtente();
    SetCmd();
}

void FrmMain::CmdNuovo_Click()
{
    m_clearingSelection = true;
    PulisciCampiForm();
    m_users->clearSelection();
    m_clearingSelection = false;
    m_tabs->setCurrentIndex(0);
    m_nome->setFocus();
    SetCmd();
}

void FrmMain::CmdArchivia_Click()
{
    if (m_password->text() != m_conferma->text()) {
        interaction::Seams::prompter().message(QStringLiteral("I campi PASSWORD e CONFERMA PASSWORD non corrispondono"),
                                               interaction::Buttons::Ok, interaction::Icon::Critical,
                                               interaction::DefaultButton::First, interaction::Seams::programTitle());
        return;
    }
    // The row keeps the login on screen, so an edited user is found again after a new login.
    const QString storedLogin = hasSelection() ? m_login->text() : QString();
    // What the table did not take stays on screen, to be mended and stored again.
    if (!ArchiviaUtente())
        return;
    PulisciCampiForm();
    m_users->clear();
    FillLstUtenti();
    SetCmd();
    if (storedLogin.isEmpty())
        return;
    const QList<QListWidgetItem*> same = m_users->findItems(storedLogin, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!same.isEmpty())
        selectEntry(m_users->row(same.first()));
}

void FrmMain::CmdElimina_Click()
{
    const interaction::Answer answer = interaction::Seams::prompter().message(
        QStringLiteral("Sei sicuro di voler cancellare l'utente ") + selectedLogin() + QStringLiteral(" ? "),
        interaction::Buttons::YesNo, interaction::Icon::Exclamation, interaction::DefaultButton::Second,
        interaction::Seams::programTitle());
    if (answer == interaction::Answer::Yes) {
        CancellaUtente();
        PulisciCampiForm();
        m_users->clear();
        FillLstUtenti();
        SetCmd();
    }
    if (m_users->count() > 0)
        selectEntry(0);
}

void FrmMain::ChkSoloLettura_Click()
{
    for (QCheckBox* right : m_autorizza)
        right->setEnabled(!m_soloLettura->isChecked());
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::FocusIn) {
        // Coming back to the window, or from the box's own menu, is no entering the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (box == m_login)
                TxtLogin_GotFocus();
            else
                selectWholeText(*box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::TxtLogin_GotFocus()
{
    if (m_login->text().isEmpty())
        m_login->setText(m_nome->text().left(1) + m_cognome->text());
    m_login->setText(m_login->text().toLower());
    selectWholeText(*m_login);
}

void FrmMain::selectWholeText(QLineEdit& box)
{
    automation::ObjectRef control = ui::widgetBridge::control(box);
    common::utility().SelText(control);
}

void FrmMain::selectEntry(int row)
{
    QListWidgetItem* entry = m_users->item(row);
    if (entry->isSelected())
        LstUtenti_Click();
    else
        m_users->setCurrentItem(entry);
}

UserFields FrmMain::fieldsOnScreen() const
{
    UserFields fields;
    fields.Login = m_login->text();
    fields.Nome = m_nome->text();
    fields.Cognome = m_cognome->text();
    fields.Password = m_password->text();
    fields.ConfermaPWD = m_conferma->text();
    fields.SoloLettura = m_soloLettura->isChecked();
    fields.Stampa = m_stampa->isChecked();
    for (std::size_t right = 0; right < m_autorizza.size(); ++right)
        fields.Autorizza[right] = m_autorizza[right]->isChecked();
    return fields;
}

void FrmMain::showFields(const UserFields& fields)
{
    m_login->setText(fields.Login);
    m_nome->setText(fields.Nome);
    m_cognome->setText(fields.Cognome);
    m_password->setText(fields.Password);
    m_conferma->setText(fields.ConfermaPWD);
    m_soloLettura->setChecked(fields.SoloLettura);
    m_stampa->setChecked(fields.Stampa);
    for (std::size_t right = 0; right < m_autorizza.size(); ++right)
        m_autorizza[right]->setChecked(fields.Autorizza[right]);
}

} // namespace useradmin
