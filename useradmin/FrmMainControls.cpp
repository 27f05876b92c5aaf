#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "useradmin/FrmMain.h"

namespace useradmin {

namespace {

// What a screen reader announces for the control: the caption of its label.
template <class Control> Control* named(Control* control, const QString& name, const QString& accessibleName)
{
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    return control;
}

QLineEdit* textBox(const QString& name, const QString& caption, QWidget* parent, QFormLayout* form)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("Lbl") + name.mid(3));
    auto* box = named(new QLineEdit(parent), name, caption);
    label->setBuddy(box);
    form->addRow(label, box);
    return box;
}

QLineEdit* passwordBox(const QString& name, const QString& caption, QWidget* parent, QFormLayout* form)
{
    QLineEdit* box = textBox(name, caption, parent, form);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return box;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent, QVBoxLayout* column)
{
    auto* box = named(new QCheckBox(caption, parent), name, caption);
    column->addWidget(box);
    return box;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent, QHBoxLayout* row)
{
    auto* pushButton = named(new QPushButton(caption, parent), name, QString(caption).remove(u'&'));
    pushButton->setAutoDefault(false);
    row->addWidget(pushButton);
    return pushButton;
}

QGroupBox* frame(const QString& name, const QString& title, QWidget* parent)
{
    return named(new QGroupBox(title, parent), name, title.trimmed());
}

} // namespace

void FrmMain::buildControls()
{
    m_users = named(new QListWidget(this), QStringLiteral("LstUtenti"), QStringLiteral("Utenti"));
    m_users->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTabDatiUtenti"), QStringLiteral("Utente"));

    auto* data = new QWidget(m_tabs);
    data->setObjectName(QStringLiteral("TabDatiUtente"));
    auto* dataForm = new QFormLayout;
    m_nome = textBox(QStringLiteral("TxtNome"), QStringLiteral("Nome:"), data, dataForm);
    m_cognome = textBox(QStringLiteral("TxtCognome"), QStringLiteral("Cognome:"), data, dataForm);
    m_login = textBox(QStringLiteral("TxtLogin"), QStringLiteral("Login:"), data, dataForm);
    QGroupBox* passwords = frame(QStringLiteral("FraPwd"), QStringLiteral(" Password"), data);
    auto* passwordForm = new QFormLayout(passwords);
    m_password = passwordBox(QStringLiteral("TxtPassword"), QStringLiteral("Password:"), passwords, passwordForm);
    m_conferma = passwordBox(QStringLiteral("TxtConfermaPWD"), QStringLiteral("Conferma:"), passwords, passwordForm);
    auto* dataPage = new QVBoxLayout(data);
    dataPage->addLayout(dataForm);
    dataPage->addWidget(passwords);
    dataPage->addStretch();
    m_tabs->addTab(data, QStringLiteral("Dati utente"));

    auto* rights = new QWidget(m_tabs);
    rights->setObjectName(QStringLiteral("TabAutorizzazioni"));
    auto* rightsPage = new QVBoxLayout(rights);
    m_soloLettura = checkBox(QStringLiteral("ChkSoloLettura"), QStringLiteral("Sola lettura"), rights, rightsPage);
    m_stampa = checkBox(QStringLiteral("ChkStampa"), QStringLiteral("Stampa"), rights, rightsPage);
    QGroupBox* rightsFrame = frame(QStringLiteral("FraAut"), QStringLiteral(" Autorizzazioni"), rights);
    auto* rightsColumn = new QVBoxLayout(rightsFrame);
    const std::array<QString, 6> captions{
        QStringLiteral("Modifica scheda modello"),      QStringLiteral("Modifica scheda piazzato"),
        QStringLiteral("Edit Configurazione/Utenti"),   QStringLiteral("Cancella schede"),
        QStringLiteral("Edita tabelle e Tipo Modello"), QStringLiteral("Crea nuova scheda"),
    };
    for (std::size_t right = 0; right < captions.size(); ++right)
        m_autorizza[right] = checkBox(QStringLiteral("ChkAutorizza"), captions[right], rightsFrame, rightsColumn);
    rightsPage->addWidget(rightsFrame);
    rightsPage->addStretch();
    m_tabs->addTab(rights, QStringLiteral("Autorizzazioni"));

    auto* buttons = new QHBoxLayout;
    m_nuovo = button(QStringLiteral("CmdNuovo"), QStringLiteral("&Nuovo"), this, buttons);
    m_archivia = button(QStringLiteral("CmdArchivia"), QStringLiteral("&Archivia"), this, buttons);
    m_elimina = button(QStringLiteral("CmdElimina"), QStringLiteral("&Elimina"), this, buttons);
    buttons->addStretch();
    m_esci = button(QStringLiteral("CmdEsci"), QStringLiteral("&Esci"), this, buttons);

    auto* lists = new QHBoxLayout;
    lists->addWidget(m_users, 1);
    lists->addWidget(m_tabs, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(560, 360)));
}

} // namespace useradmin
