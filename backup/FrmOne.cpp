#include "backup/FrmOne.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "backup/BackupRun.h"
#include "backup/DiskCount.h"
#include "backup/DiskSpace.h"
#include "backup/Esegui.h"
#include "backup/SalvixIni.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "common/Utility.h"
#include "common/Val.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "platform/Files.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "ui/AccessibleWindow.h"
#include "ui/PictureControl.h"
#include "ui/WidgetBridge.h"

namespace backup {

namespace {

const QString configDatabaseName = QStringLiteral("TRAMEX CONFIG.MDB");

bool checked(const QCheckBox* box)
{
    return box->isChecked();
}

QString flag(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

void setFromText(QCheckBox* box, const QString& text)
{
    box->setChecked(int(common::Val(text)) == 1);
}

// The path test of the closing writes: a folder, or a drive letter with its colon, that answers.
bool pathExists(QString path)
{
    if (path.endsWith(u'\\'))
        path.chop(1);
    if (!path.contains(u'\\'))
        path += u'\\';
    try {
        const QStringList found = platform::listing::dir(path, platform::listing::Directory);
        return !found.isEmpty() && found.front() != u".";
    } catch (const platform::RuntimeError&) {
        return false;
    }
}

} // namespace

FrmOne::FrmOne(QWidget* parent)
    : QMainWindow(parent), c(FrmOneControls::build(*this)), m_progress(*c.StBarText, *c.PrsBar)
{
    setObjectName(QStringLiteral("FrmOne"));
    connectReactions();
    ui::accessibleWindow::adoptAccessibility(*this);
    load();
}

bool FrmOne::isSave() const
{
    return !c.OptOperazione[1]->isChecked();
}

void FrmOne::load()
{
    setWindowTitle(QStringLiteral("Tramex Salvataggio/Ripristino dati - Versione ") + QStringLiteral(SALVIX_VERSION));
    interaction::SkipFailingSteps procedure;
    procedure.step([&] {
        automation::ObjectRef form = ui::widgetBridge::form(*this);
        common::utility().CenterForm(form);
    });
    procedure.step([&] { c.LblSorgenteDestinazione->setText(common::settings::read(salvixIni::SorgenteDestin())); });
    procedure.step([&] { setFromText(c.ChkIncludiDatabase, common::settings::read(salvixIni::IncludiDatabase())); });
    procedure.step(
        [&] { setFromText(c.ChkIncludiImpostazioni, common::settings::read(salvixIni::IncludiImpostazioni())); });
    procedure.step([&] { setFromText(c.ChkEliminaTuttiFile, common::settings::read(salvixIni::EliminaFile())); });
    procedure.step([&] { setFromText(c.ChkFormattaDisco, common::settings::read(salvixIni::FormattaDisco())); });
    procedure.step([&] { m_databaseFolder = common::settings::read(common::sharedIni::DatabaseFolder); });
    enableEsegui();
    c.ImgLoad->move(c.ImgSave->pos());
    c.OptOperazione[0]->setChecked(true);
    c.ImgSave->raise();
    c.LblDestSorg->setText(QStringLiteral("Salvataggio NELLA cartella "));
    SetChk();
    procedure.step([&] { FillLstDatabase(m_databaseFolder); });
    const QSignalBlocker quiet(c.LstDatabase);
    for (int row = 0; row < c.LstDatabase->count(); ++row) {
        QListWidgetItem* item = c.LstDatabase->item(row);
        procedure.step(
            [&] { item->setSelected(common::settings::readNumber(salvixIni::DatabaseDaSalvare(item->text())) == 1); });
    }
    c.Label1->setVisible(checked(c.ChkIncludiDatabase));
    c.LstDatabase->setVisible(checked(c.ChkIncludiDatabase));
    showEstimate();
}

void FrmOne::connectReactions()
{
    for (int index = 0; index < 2; ++index)
        connect(c.OptOperazione[index], &QRadioButton::clicked, this, [this, index] { operationChosen(index); });
    connect(c.ChkIncludiDatabase, &QCheckBox::clicked, this, [this] {
        enableEsegui();
        showEstimate();
        c.LstDatabase->setVisible(checked(c.ChkIncludiDatabase));
        c.Label1->setVisible(checked(c.ChkIncludiDatabase));
    });
    connect(c.ChkIncludiImpostazioni, &QCheckBox::clicked, this, [this] {
        enableEsegui();
        showEstimate();
    });
    connect(c.LstDatabase, &QListWidget::itemSelectionChanged, this, [this] {
        CheckForSelDB();
        showEstimate();
    });
    connect(c.ChkFormattaDisco, &QCheckBox::clicked, this,
            [this] { c.ChkEliminaTuttiFile->setEnabled(!checked(c.ChkFormattaDisco)); });
    connect(c.ChkEliminaTuttiFile, &QCheckBox::clicked, this, [this] { eliminaTuttiFileClicked(); });
    connect(c.CmdSfoglia, &QPushButton::clicked, this, [this] { browse(); });
    connect(c.CmdEsegui, &QPushButton::clicked, this, [this] { execute(); });
    connect(c.CmdAnnulla, &QPushButton::clicked, this, &QWidget::close);
}

void FrmOne::operationChosen(int index)
{
    c.OptOperazione[index]->setChecked(true);
    if (index == 0) {
        c.LstDatabase->setEnabled(true);
        c.LblDestSorg->setText(QStringLiteral("Salvataggio NELLA cartella "));
        c.ImgSave->raise();
        showEstimate();
    } else {
        c.LstDatabase->setEnabled(false);
        c.LblDestSorg->setText(QStringLiteral("Ripristino DALLA cartella "));
        c.ImgLoad->raise();
        m_progress.setStatusText(QStringLiteral("Esegue il ripristino dei dati precedentemente archiviati"));
    }
    SetChk();
}

void FrmOne::enableEsegui()
{
    c.CmdEsegui->setEnabled(checked(c.ChkIncludiDatabase) || checked(c.ChkIncludiImpostazioni));
}

void FrmOne::showEstimate()
{
    m_progress.setStatusText(QStringLiteral("Dischi richiesti: ") + QString::number(CalcolaTotaleDischi()));
}

void FrmOne::FillLstDatabase(const QString& PathDB)
{
    for (const QString& name : platform::listing::dir(PathDB + QStringLiteral("*.mdb")))
        if (name.toUpper() != configDatabaseName)
            c.LstDatabase->addItem(name);
}

void FrmOne::CheckForSelDB()
{
    c.ChkIncludiDatabase->setChecked(!c.LstDatabase->selectedItems().isEmpty());
}

void FrmOne::SetChk()
{
    const bool removableSave = diskSpace::isRemovable(c.LblSorgenteDestinazione->text()) && isSave();
    c.ChkFormattaDisco->setChecked(removableSave);
    c.ChkFormattaDisco->setEnabled(removableSave);
    c.ChkEliminaTuttiFile->setEnabled(removableSave && !checked(c.ChkFormattaDisco));
    c.ChkEliminaTuttiFile->setChecked(false);
}

qint64 FrmOne::CalcolaTotaleDischi() const
{
    qint64 total = 0;
    interaction::SkipFailingSteps procedure;
    for (const QListWidgetItem* item : c.LstDatabase->selectedItems())
        procedure.step([&] { total += platform::files::length(m_databaseFolder + item->text()); });
    // The card archives' drive, as the estimate always took it, when the folder is not a floppy.
    const QString folder = c.LblSorgenteDestinazione->text();
    const qint64 capacity =
        folder.left(3) == u"A:\\" ? diskCount::floppyDiskBytes : diskSpace::freeSpace(m_databaseFolder.left(3));
    return diskCount::estimatedDisks(total, capacity, checked(c.ChkIncludiImpostazioni));
}

void FrmOne::eliminaTuttiFileClicked()
{
    if (checked(c.ChkEliminaTuttiFile)) {
        const QString text = QStringLiteral("ATTENZIONE: \rdurante il salvataggio saranno eliminati tutti i file dalla "
                                            "cartella \r") +
                             c.LblSorgenteDestinazione->text() +
                             QStringLiteral("\r\rSENZA RICHIESTA DI ULTERIORE CONFERMA \r\rconfermi l'operazione ? ");
        const interaction::Answer answer = interaction::Seams::prompter().message(
            text, interaction::Buttons::YesNo, interaction::Icon::Critical, interaction::DefaultButton::First,
            QStringLiteral("Richiesta di conferma"));
        c.ChkEliminaTuttiFile->setChecked(answer == interaction::Answer::Yes);
    }
    c.ChkFormattaDisco->setEnabled(!checked(c.ChkEliminaTuttiFile));
}

void FrmOne::browse()
{
    const QString title = QStringLiteral("Scegli la cartella per effettuare il ") +
                          (isSave() ? QStringLiteral(" SALVATAGGIO") : QStringLiteral("RIPRISTINO")) +
                          QStringLiteral(" dei dati ");
    QString chosen = interaction::Seams::prompter().browseForFolder(this, title).left(512);
    if (const qsizetype nul = chosen.indexOf(QChar(u'\0')); nul >= 0)
        chosen.truncate(nul);
    if (!chosen.isEmpty() && !chosen.startsWith(QStringLiteral("\\\\"))) {
        c.LblSorgenteDestinazione->setText(chosen);
        if (isSave()) {
            SetChk();
            showEstimate();
        }
    }
    SetChk();
}

void FrmOne::execute()
{
    QString folder = c.LblSorgenteDestinazione->text();
    if (!folder.endsWith(u'\\')) {
        folder += u'\\';
        c.LblSorgenteDestinazione->setText(folder);
    }
    BackupRun::Options options;
    options.folder = folder;
    options.formatDisk = checked(c.ChkFormattaDisco);
    options.deleteOldFiles = checked(c.ChkEliminaTuttiFile);
    options.databaseFolder = m_databaseFolder;
    for (int row = 0; row < c.LstDatabase->count(); ++row)
        if (c.LstDatabase->item(row)->isSelected())
            options.selectedArchives.append(c.LstDatabase->item(row)->text());
    BackupRun run(*this, m_progress, std::move(options));
    Esegui(run, isSave(), checked(c.ChkIncludiImpostazioni), checked(c.ChkIncludiDatabase));
}

void FrmOne::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

void FrmOne::unload()
{
    interaction::SkipFailingSteps procedure;
    procedure.step([&] {
        const QString folder = c.LblSorgenteDestinazione->text().trimmed();
        if (pathExists(folder))
            common::settings::write(salvixIni::SorgenteDestin(), folder);
    });
    procedure.step([&] { common::settings::write(salvixIni::IncludiDatabase(), flag(c.ChkIncludiDatabase)); });
    procedure.step([&] { common::settings::write(salvixIni::IncludiImpostazioni(), flag(c.ChkIncludiImpostazioni)); });
    procedure.step([&] { common::settings::write(salvixIni::EliminaFile(), flag(c.ChkEliminaTuttiFile)); });
    procedure.step([&] { common::settings::write(salvixIni::FormattaDisco(), flag(c.ChkFormattaDisco)); });
    for (int row = 0; row < c.LstDatabase->count(); ++row) {
        const QListWidgetItem* item = c.LstDatabase->item(row);
        procedure.step([&] {
            common::settings::write(salvixIni::DatabaseDaSalvare(item->text()),
                                    item->isSelected() ? QStringLiteral("1") : QStringLiteral("0"));
        });
    }
}

} // namespace backup
