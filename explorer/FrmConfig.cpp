#include "explorer/FrmConfig.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/Settings.h"
#include "common/SharedIni.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"
#include "ui/AccessibleWindow.h"
#include "ui/FileDialogs.h"
#include "ui/FormPlacement.h"

namespace explorer {

namespace {

// The keys as they stand in the explorer's own INI file.
common::IniKey ownKey(const common::IniKey& key)
{
    return key.in(store::explorerState().IniFileName);
}

QString installationFolder()
{
    return common::settings::read(common::sharedIni::DatabaseFolder);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

// A frame with the label "Colore sfondo" and its combo box of the colour names. The box is named
// after its frame too: both frames' labels read the same.
QComboBox* colourFrame(const QString& frameName, const QString& title, const QString& comboName, QWidget* parent,
                       QVBoxLayout* into)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(frameName);
    auto* combo = new QComboBox(frame);
    combo->setObjectName(comboName);
    combo->setEditable(true);
    combo->addItems({QStringLiteral("Rosso"), QStringLiteral("Verde"), QStringLiteral("Blu"), QStringLiteral("Giallo"),
                     QStringLiteral("Magenta"), QStringLiteral("Nero"), QStringLiteral("Ciano")});
    auto* label = new QLabel(QStringLiteral("Colore sfondo"), frame);
    label->setObjectName(QStringLiteral("Lbl") + comboName.mid(3));
    label->setBuddy(combo);
    combo->setAccessibleName(label->text() + QStringLiteral(", ") + title);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(combo, 1);
    into->addWidget(frame);
    return combo;
}

} // namespace

FrmConfig::FrmConfig(FrmExplorer& mainWindow) : QDialog(&mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FrmConfig"));
    setWindowTitle(QStringLiteral("Schedex - Configurazione"));
    buildControls();
    ui::RestoreFormPlacement(*this, store::explorerState().IniFileName, false, false);
    LoadDataFromIni();
    ui::accessibleWindow::adoptAccessibility(*this);
}

void FrmConfig::buildControls()
{
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("TabExplorerCFG"));
    auto* general = new QWidget(tabs);
    general->setObjectName(QStringLiteral("Generale"));
    tabs->addTab(general, QStringLiteral("Generale"));

    auto* folderLabel = new QLabel(QStringLiteral("Path database:"), general);
    folderLabel->setObjectName(QStringLiteral("LblPathDatabase"));
    m_databaseFolder = new QLineEdit(general);
    m_databaseFolder->setObjectName(QStringLiteral("TxtPathDatabase"));
    folderLabel->setBuddy(m_databaseFolder);
    QPushButton* browse = button(QStringLiteral("CmdSfogliaPathMdb"), QStringLiteral("...."), general);
    browse->setAccessibleName(QStringLiteral("Sfoglia"));
    connect(browse, &QPushButton::clicked, this, &FrmConfig::CmdSfogliaPathMdb_Click);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(browse->text()) * 3);
    QPushButton* setDefault = button(QStringLiteral("CmdSetDefault"), QStringLiteral("Carica Default"), general);
    connect(setDefault, &QPushButton::clicked, this, &FrmConfig::CmdSetDefault_Click);

    auto* folderRow = new QGridLayout;
    folderRow->addWidget(folderLabel, 0, 0);
    folderRow->addWidget(m_databaseFolder, 0, 1);
    folderRow->addWidget(browse, 0, 2);
    folderRow->addWidget(setDefault, 1, 1, Qt::AlignLeft);
    folderRow->setColumnStretch(1, 1);
    auto* page = new QVBoxLayout(general);
    page->addLayout(folderRow);
    m_archiveListColour = colourFrame(QStringLiteral("FraFinestraDB"), QStringLiteral("Finestra dei database"),
                                      QStringLiteral("CmbColoreFinestraDB"), general, page);
    m_cardListColour = colourFrame(QStringLiteral("FraFinestraModelli"), QStringLiteral("Finestra delle schede"),
                                   QStringLiteral("CmbColoreFinestraModelli"), general, page);
    page->addStretch();

    QPushButton* store = button(QStringLiteral("CmdArchivia"), QStringLiteral("&Archivia"), this);
    connect(store, &QPushButton::clicked, this, &FrmConfig::CmdArchivia_Click);
    QPushButton* cancel = button(QStringLiteral("CmdAnnulla"), QStringLiteral("A&nnulla"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(store);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(480, 320)));
}

void FrmConfig::LoadDataFromIni()
{
    using namespace common::sharedIni;
    m_databaseFolder->setText(common::settings::read(ownKey(DatabaseFolder).defaultingTo(installationFolder())));
    m_archiveListColour->setCurrentText(common::settings::read(ownKey(ArchiveListColour)));
    m_cardListColour->setCurrentText(common::settings::read(ownKey(CardListColour)));
}

void FrmConfig::SaveDataToIni()
{
    using namespace common::sharedIni;
    common::settings::write(ownKey(DatabaseFolder), m_databaseFolder->text());
    common::settings::write(ownKey(ArchiveListColour), m_archiveListColour->currentText());
    common::settings::write(ownKey(CardListColour), m_cardListColour->currentText());
}

void FrmConfig::CmdSfogliaPathMdb_Click()
{
    QString folder = ui::BrowseForFolder(this, QStringLiteral("Seleziona la cartella dei database delle schede"));
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(u'\\'))
        folder += u'\\';
    m_databaseFolder->setText(folder);
}

void FrmConfig::CmdSetDefault_Click()
{
    m_databaseFolder->setText(installationFolder());
}

void FrmConfig::CmdArchivia_Click()
{
    SaveDataToIni();
    m_mainWindow.ConfigureListView();
    store::ExplorerState& state = store::explorerState();
    state.DatabaseFolder =
        common::settings::read(ownKey(common::sharedIni::DatabaseFolder).defaultingTo(state.DatabaseFolder));
    m_mainWindow.FillLVDB();
    accept();
}

void FrmConfig::done(int result)
{
    ui::StoreFormPlacement(*this, store::explorerState().IniFileName);
    QDialog::done(result);
}

} // namespace explorer
