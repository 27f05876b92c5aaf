#include "ui/WorkstationFileDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "ui/AccessibleWindow.h"
#include "ui/WorkstationBrowsing.h"

namespace ui {

namespace {

using namespace workstationBrowsing;

constexpr int folderRole = Qt::UserRole;
constexpr int letterRole = Qt::UserRole;

QString shownFilter(const interaction::FileFilter& filter)
{
    QString patterns = filter.pattern;
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    return filter.description.contains(shown) ? filter.description : filter.description + QLatin1Char(' ') + shown;
}

QString okCaption(WorkstationFileDialog::Mode mode)
{
    switch (mode) {
    case WorkstationFileDialog::Mode::Open:
        return QStringLiteral("&Apri");
    case WorkstationFileDialog::Mode::Save:
        return QStringLiteral("&Salva");
    case WorkstationFileDialog::Mode::Folder:
        return QStringLiteral("&Seleziona");
    }
    return {};
}

QLabel* labelFor(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

bool isWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool isReturn(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A name typed in the dialog: a full path, one from the root of the folder's drive ("\Dati"),
// or one inside the folder shown.
QString typedPath(const QString& folder, const QString& typed)
{
    if (typed.size() >= 2 && typed.at(1) == QLatin1Char(':'))
        return platform::windowsPath::fullPath(typed);
    if (typed.startsWith(QLatin1Char('\\')) && !typed.startsWith(QStringLiteral("\\\\")))
        return platform::windowsPath::fullPath(folder.left(2) + typed);
    return platform::windowsPath::fullPath(folder + typed);
}

} // namespace

WorkstationFileDialog::WorkstationFileDialog(Mode mode, const QString& title, QWidget* parent)
    : QDialog(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("FrmScegliFile"));
    setWindowTitle(title);
    buildControls();
    fillPlaces();
    setFilters({});
    setFolder(QString());
    accessibleWindow::adoptAccessibility(*this);
}

void WorkstationFileDialog::buildControls()
{
    m_places = new QListWidget(this);
    m_places->setObjectName(QStringLiteral("LstUnita"));
    m_places->setAccessibleName(QStringLiteral("Unità"));
    m_places->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("A: (rimovibile, non pronta)")) + 40);
    m_folderBox = new QLineEdit(this);
    m_folderBox->setObjectName(QStringLiteral("TxtCartella"));
    m_up = new QPushButton(QStringLiteral("Cartella su&periore"), this);
    m_up->setObjectName(QStringLiteral("CmdSu"));
    m_up->setAutoDefault(false);
    m_entries = new QListWidget(this);
    m_entries->setObjectName(QStringLiteral("LstFile"));
    m_entries->setAccessibleName(QStringLiteral("Contenuto"));
    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("LblAvviso"));
    m_warning->hide();
    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName(QStringLiteral("TxtNomeFile"));
    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("CmbTipoFile"));
    m_ok = new QPushButton(okCaption(m_mode), this);
    m_ok->setObjectName(QStringLiteral("CmdOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Annulla"), this);
    m_cancel->setObjectName(QStringLiteral("CmdAnnulla"));
    m_cancel->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(labelFor(QStringLiteral("Ca&rtella:"), m_folderBox, this));
    folderRow->addWidget(m_folderBox, 1);
    folderRow->addWidget(m_up);
    auto* placesColumn = new QVBoxLayout;
    placesColumn->addWidget(labelFor(QStringLiteral("&Unità:"), m_places, this));
    placesColumn->addWidget(m_places);
    auto* entriesColumn = new QVBoxLayout;
    entriesColumn->addWidget(labelFor(QStringLiteral("&Contenuto:"), m_entries, this));
    entriesColumn->addWidget(m_entries);
    auto* lists = new QHBoxLayout;
    lists->addLayout(placesColumn);
    lists->addLayout(entriesColumn, 1);
    auto* bottom = new QGridLayout;
    if (m_mode == Mode::Folder) {
        m_nameBox->hide();
        m_types->hide();
        bottom->setColumnStretch(0, 1);
        bottom->addWidget(m_ok, 0, 1);
        bottom->addWidget(m_cancel, 0, 2);
    } else {
        bottom->addWidget(labelFor(QStringLiteral("&Nome file:"), m_nameBox, this), 0, 0);
        bottom->addWidget(m_nameBox, 0, 1);
        bottom->addWidget(m_ok, 0, 2);
        bottom->addWidget(labelFor(QStringLiteral("&Tipo file:"), m_types, this), 1, 0);
        bottom->addWidget(m_types, 1, 1);
        bottom->addWidget(m_cancel, 1, 2);
        bottom->setColumnStretch(1, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addLayout(lists, 1);
    layout->addWidget(m_warning);
    layout->addLayout(bottom);

    setTabOrder(m_places, m_folderBox);
    setTabOrder(m_folderBox, m_up);
    setTabOrder(m_up, m_entries);
    setTabOrder(m_entries, m_nameBox);
    setTabOrder(m_nameBox, m_types);
    setTabOrder(m_types, m_ok);
    setTabOrder(m_ok, m_cancel);
    for (QWidget* watched :
         {static_cast<QWidget*>(m_places), static_cast<QWidget*>(m_entries), static_cast<QWidget*>(m_folderBox)})
        watched->installEventFilter(this);

    connect(m_places, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* place) { openDrive(place); });
    connect(m_up, &QPushButton::clicked, this, &WorkstationFileDialog::goUp);
    connect(m_entries, &QListWidget::itemDoubleClicked, this, &WorkstationFileDialog::activateEntry);
    connect(m_entries, &QListWidget::currentItemChanged, this, &WorkstationFileDialog::entryChosen);
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] {
        m_typedPattern.clear();
        refresh();
    });
    connect(m_ok, &QPushButton::clicked, this, &WorkstationFileDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &WorkstationFileDialog::reject);
    (m_mode == Mode::Folder ? static_cast<QWidget*>(m_entries) : m_nameBox)->setFocus();
    resize(620, 420);
}

void WorkstationFileDialog::fillPlaces()
{
    const platform::Workstation& workstation = platform::Workstation::current();
    for (const platform::Drive& drive : workstation.drives()) {
        auto* place = new QListWidgetItem(driveCaption(drive, workstation.isReady(drive.letter)), m_places);
        place->setData(letterRole, QString(drive.letter));
        place->setIcon(style()->standardIcon(QStyle::SP_DriveHDIcon));
    }
}

void WorkstationFileDialog::setFilters(const QList<interaction::FileFilter>& filters)
{
    const QSignalBlocker quiet(m_types);
    m_types->clear();
    for (const interaction::FileFilter& filter : filters)
        m_types->addItem(shownFilter(filter), filter.pattern);
    if (filters.isEmpty())
        m_types->addItem(QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*"));
    m_types->setCurrentIndex(0);
    refresh();
}

void WorkstationFileDialog::setFolder(const QString& windowsFolder)
{
    std::optional<QString> folder =
        nearestExistingFolder(windowsFolder.isEmpty() ? platform::windowsPath::currentFolder() : windowsFolder);
    if (!folder)
        folder = nearestExistingFolder(platform::windowsPath::currentFolder());
    const platform::Workstation& workstation = platform::Workstation::current();
    for (const platform::Drive& drive : workstation.drives()) {
        if (folder)
            break;
        if (workstation.isReady(drive.letter))
            folder = existingFolder(QString(drive.letter) + QStringLiteral(":\\"));
    }
    if (folder)
        openFolder(*folder);
}

QStringList WorkstationFileDialog::places() const
{
    QStringList captions;
    for (int row = 0; row < m_places->count(); ++row)
        captions.append(m_places->item(row)->text());
    return captions;
}

QStringList WorkstationFileDialog::shownEntries() const
{
    QStringList names;
    for (int row = 0; row < m_entries->count(); ++row)
        names.append(m_entries->item(row)->text());
    return names;
}

QStringList WorkstationFileDialog::patterns() const
{
    if (!m_typedPattern.isEmpty())
        return {m_typedPattern};
    return {m_types->currentData().toString()};
}

void WorkstationFileDialog::openFolder(const QString& folder)
{
    m_folder = folder;
    m_folderBox->setText(folder);
    const QString letter = folder.left(1).toUpper();
    const platform::Workstation& workstation = platform::Workstation::current();
    const QSignalBlocker quiet(m_places);
    for (int row = 0; row < m_places->count(); ++row) {
        QListWidgetItem* place = m_places->item(row);
        if (place->data(letterRole).toString() != letter)
            continue;
        if (const std::optional<platform::Drive> drive = workstation.drive(letter.front()))
            place->setText(driveCaption(*drive, workstation.isReady(drive->letter)));
        m_places->setCurrentItem(place);
    }
    refresh();
}

void WorkstationFileDialog::openDrive(QListWidgetItem* place)
{
    if (!place)
        return;
    const QString letter = place->data(letterRole).toString();
    const platform::Workstation& workstation = platform::Workstation::current();
    const std::optional<platform::Drive> drive = workstation.drive(letter.front());
    const bool ready = workstation.isReady(letter.front());
    if (drive)
        place->setText(driveCaption(*drive, ready));
    if (const std::optional<QString> root = existingFolder(letter + QStringLiteral(":\\"))) {
        openFolder(*root);
        return;
    }
    m_folder = letter + QStringLiteral(":\\");
    m_folderBox->setText(m_folder);
    m_entries->clear();
    warn(ready ? QStringLiteral("L'unità %1: non è disponibile.").arg(letter)
               : QStringLiteral("L'unità %1: non è pronta: inserire un disco.").arg(letter));
}

void WorkstationFileDialog::openTypedFolder()
{
    const QString typed = m_folderBox->text().trimmed();
    if (const std::optional<QString> folder = existingFolder(typed)) {
        openFolder(*folder);
        m_entries->setFocus();
    } else {
        warn(QStringLiteral("Cartella non trovata: ") + typed);
    }
}

void WorkstationFileDialog::goUp()
{
    if (const std::optional<QString> parent = existingFolder(parentFolder(m_folder)))
        openFolder(*parent);
}

void WorkstationFileDialog::refresh()
{
    if (m_folder.isEmpty())
        return;
    m_entries->clear();
    m_warning->hide();
    FolderEntries entries;
    try {
        entries = entriesOf(m_folder, m_mode == Mode::Folder ? QStringList() : patterns());
    } catch (const platform::RuntimeError& error) {
        warn(error.number() == platform::DiskNotReady
                 ? QStringLiteral("L'unità %1 non è pronta: inserire un disco.").arg(m_folder.left(2))
                 : QStringLiteral("Impossibile leggere la cartella ") + m_folder);
        return;
    }
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& name : std::as_const(entries.folders)) {
        auto* entry = new QListWidgetItem(folderIcon, name, m_entries);
        entry->setData(folderRole, true);
        entry->setData(Qt::AccessibleTextRole, name + QStringLiteral(" (cartella)"));
    }
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : std::as_const(entries.files))
        new QListWidgetItem(fileIcon, name, m_entries);
}

void WorkstationFileDialog::warn(const QString& text)
{
    m_warning->setText(text);
    m_warning->show();
}

void WorkstationFileDialog::entryChosen(QListWidgetItem* entry)
{
    if (entry && m_mode != Mode::Folder && !entry->data(folderRole).toBool())
        m_nameBox->setText(entry->text());
}

void WorkstationFileDialog::activateEntry(QListWidgetItem* entry)
{
    if (!entry) {
        if (m_mode == Mode::Folder)
            accept();
        return;
    }
    if (entry->data(folderRole).toBool()) {
        if (const std::optional<QString> folder = existingFolder(m_folder + entry->text()))
            openFolder(*folder);
        return;
    }
    m_nameBox->setText(entry->text());
    accept();
}

void WorkstationFileDialog::accept()
{
    if (m_mode == Mode::Folder ? chooseFolder() : chooseFile())
        QDialog::accept();
}

bool WorkstationFileDialog::chooseFile()
{
    const QString typed = m_nameBox->text().trimmed();
    if (typed.isEmpty())
        return false;
    if (isWildcard(typed)) {
        m_typedPattern = typed;
        refresh();
        return false;
    }
    QString path;
    try {
        path = typedPath(m_folder, typed);
    } catch (const platform::RuntimeError&) {
        warn(QStringLiteral("Nome di file non valido: ") + typed);
        return false;
    }
    if (const std::optional<QString> folder = existingFolder(path)) {
        openFolder(*folder);
        m_nameBox->clear();
        return false;
    }
    const std::optional<QString> folder = existingFolder(platform::windowsPath::folderPart(path));
    if (!folder) {
        warn(QStringLiteral("Cartella non trovata: ") + platform::windowsPath::folderPart(path));
        return false;
    }
    m_chosen = *folder + platform::windowsPath::namePart(path);
    return true;
}

bool WorkstationFileDialog::chooseFolder()
{
    QString folder = m_folder;
    if (m_folderBox->text().trimmed() != m_folder) {
        const std::optional<QString> typed = existingFolder(m_folderBox->text().trimmed());
        if (!typed) {
            warn(QStringLiteral("Cartella non trovata: ") + m_folderBox->text().trimmed());
            return false;
        }
        folder = *typed;
    } else if (QListWidgetItem* entry = m_entries->currentItem(); entry && entry->isSelected()) {
        folder = existingFolder(m_folder + entry->text()).value_or(m_folder);
    }
    if (folder.isEmpty() || !existingFolder(folder))
        return false;
    m_chosen = folder.size() > 3 ? folder.chopped(1) : folder;
    return true;
}

bool WorkstationFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_entries && isReturn(*key)) {
        activateEntry(m_entries->currentItem());
        return true;
    }
    if (watched == m_entries && key->key() == Qt::Key_Backspace) {
        goUp();
        return true;
    }
    if (watched == m_places && isReturn(*key)) {
        m_entries->setFocus();
        return true;
    }
    if (watched == m_folderBox && isReturn(*key)) {
        openTypedFolder();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ui
