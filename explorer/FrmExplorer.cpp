#include "explorer/FrmExplorer.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QProgressBar>

#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "common/Utility.h"
#include "explorer/ArchiveListView.h"
#include "explorer/CardListFill.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerCommands.h"
#include "explorer/ExplorerKeys.h"
#include "explorer/ExplorerLayout.h"
#include "explorer/ExplorerMenuStates.h"
#include "explorer/ExplorerMenus.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/ExplorerToolBar.h"
#include "explorer/ExplorerWindowAdapter.h"
#include "explorer/Icons.h"
#include "explorer/ListColours.h"
#include "explorer/StartUp.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/BusyPointer.h"
#include "interaction/PendingEvents.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/Twips.h"
#include "platform/Listing.h"
#include "ui/AccessibleWindow.h"

namespace explorer {

namespace {

using interaction::twips::toPixels;

constexpr int designWidthTwips = 9600;
constexpr int designHeightTwips = 6600;
constexpr int archiveIconRole = Qt::UserRole;

store::ExplorerState& state()
{
    return store::explorerState();
}

// The text takes whichever of black and white reads on the chosen colour: names on "Nero" were
// black on black.
void setBackground(QWidget& list, const QString& colourName)
{
    ui::accessibleWindow::setBackground(list, listColours::fromWindowsValue(listColours::colourValue(colourName)));
}

} // namespace

FrmExplorer::FrmExplorer(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmExplorer"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_toolBar = new ExplorerToolBar(this);
    addToolBar(m_toolBar);
    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("FrmExplorerSurface"));
    setCentralWidget(surface);
    m_archiveList = new ArchiveListView(surface);
    m_cardList = new CardListView(surface);
    m_statusBar = new ExplorerStatusBar(this);
    setStatusBar(m_statusBar);
    m_menus = std::make_unique<ExplorerMenus>(*this);
    installKeyTable(*this, [this](const QString& name) { return m_menus->entry(name); });
    m_layout = new ExplorerLayout(*this, *surface, *m_archiveList, *m_cardList);
    m_adapter = std::make_unique<ExplorerWindowAdapter>(*this);
    m_commands = new ExplorerCommands(*this);
    resize(toPixels(designWidthTwips), toPixels(designHeightTwips));

    setWindowTitle(common::program::name() + QStringLiteral(" - ") + cadName(state().CadType));
    InitLVDB();
    InitLWModelli();
    FillLVDB();
    LoadControlsPos();
    m_toolBar->ConfigureToolBar();
    bool anySelected = false;
    SetMainToolBar(anySelected);
    ConfigureListView();
    PrgBar()->hide();
    ui::accessibleWindow::adoptAccessibility(*this);
}

FrmExplorer::~FrmExplorer() = default;

QListWidget* FrmExplorer::LVDB() const
{
    return m_archiveList;
}

CardListView* FrmExplorer::LWModelli() const
{
    return m_cardList;
}

QProgressBar* FrmExplorer::PrgBar() const
{
    return m_statusBar->PrgBar();
}

QToolBar* FrmExplorer::MainToolBar() const
{
    return m_toolBar;
}

void FrmExplorer::InitLVDB()
{
    m_archiveList->setColumn(QStringLiteral("Nome archivio"),
                             ExplorerLayout::readTwips(QStringLiteral("LVDB"), QStringLiteral("Colonna_1")));
    m_archiveList->setIconSize(QSize(32, 32));
}

void FrmExplorer::InitLWModelli()
{
    QStringList captions;
    for (int column = 0; column < cardColumnCount; ++column)
        captions.append(common::settings::read(common::sharedIni::CardCaption.numbered(column)));
    m_cardList->setHeaderLabels(captions);
    const int width = QFontMetrics(font()).horizontalAdvance(QString(20, QLatin1Char(' ')));
    for (int column = 0; column < cardColumnCount; ++column)
        m_cardList->header()->resizeSection(column, width);
}

void FrmExplorer::FillLVDB()
{
    interaction::SkipFailingSteps procedure;
    m_archiveList->setUpdatesEnabled(false);
    m_archiveList->clear();
    QStringList files;
    procedure.step([&] { files = platform::listing::dir(state().DatabaseFolder + QStringLiteral("*.mdb")); });
    for (const QString& file : files) {
        procedure.step([&] {
            QString upper = file.toUpper();
            QString extension = QStringLiteral(".MDB");
            const QString archive = common::utility().LeftString(upper, extension);
            if (archive == QLatin1String("TRAMEX CONFIG"))
                return;
            auto* item = new QListWidgetItem(archive);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            setArchiveIcon(item, 1);
            m_archiveList->addItem(item);
        });
    }
    m_archiveList->setUpdatesEnabled(true);
}

void FrmExplorer::LVDB_DblClick()
{
    QListWidgetItem* selected = m_archiveList->selectedArchive();
    if (!selected)
        return;
    interaction::BusyPointer hourglass;
    for (int row = 0; row < m_archiveList->count(); ++row) {
        QListWidgetItem* item = m_archiveList->item(row);
        if (archiveIcon(item) == 2) {
            setArchiveIcon(item, 1);
            interaction::Seams::pendingEvents().run();
        }
    }
    setArchiveIcon(selected, 2);
    m_cardList->clear();
    FillLWModelli();
    m_cardList->sortBy(0, Qt::AscendingOrder);
    state().CurrentArchive = selected->text();
    bool anySelected = false;
    SetMainToolBar(anySelected);
}

void FrmExplorer::FillLWModelli()
{
    const QListWidgetItem* selected = m_archiveList->selectedArchive();
    if (!selected)
        return;
    m_cardList->setCardIcon(icons::cardImage());
    m_cardList->appendRows(readCardRows(state().DatabaseFolder + selected->text() + QStringLiteral(".mdb"),
                                        objectName() + QStringLiteral("_FillLWModelli")));
}

void FrmExplorer::ConfigureListView()
{
    const QString ini = state().IniFileName;
    setBackground(*m_archiveList, common::settings::read(common::sharedIni::ArchiveListColour.in(ini)));
    setBackground(*m_cardList, common::settings::read(common::sharedIni::CardListColour.in(ini)));
}

void FrmExplorer::LoadControlsPos()
{
    m_layout->LoadControlsPos();
}

void FrmExplorer::SaveControlsPos()
{
    m_layout->SaveControlsPos();
}

void FrmExplorer::SetProgBarPos()
{
    m_statusBar->SetProgBarPos();
}

int FrmExplorer::archiveIcon(const QListWidgetItem* item) const
{
    return item ? item->data(archiveIconRole).toInt() : 0;
}

void FrmExplorer::setArchiveIcon(QListWidgetItem* item, int iconNumber)
{
    if (!item)
        return;
    item->setData(archiveIconRole, iconNumber);
    item->setIcon(icons::archiveImage(iconNumber));
}

QListWidgetItem* FrmExplorer::findArchiveItem(const QString& archiveName) const
{
    for (int row = 0; row < m_archiveList->count(); ++row) {
        if (m_archiveList->item(row)->text() == archiveName)
            return m_archiveList->item(row);
    }
    return nullptr;
}

store::CardListWindow& FrmExplorer::cardListWindow()
{
    return *m_adapter;
}

transfer::TransferWindow& FrmExplorer::transferWindow()
{
    return *m_adapter;
}

transfer::CardTransferWindow& FrmExplorer::cardTransferWindow()
{
    return *m_adapter;
}

void FrmExplorer::SetMainToolBar(bool& anySelected)
{
    menuStates::SetMainToolBar(*this, anySelected);
}

void FrmExplorer::SetMnuLWModelli()
{
    menuStates::SetMnuLWModelli(*this);
}

void FrmExplorer::SetMnuLVDB()
{
    menuStates::SetMnuLVDB(*this);
}

void FrmExplorer::SetCADTypeMnu()
{
    menuStates::SetCADTypeMnu(*this);
}

QMenu* FrmExplorer::createPopupMenu()
{
    return nullptr;
}

void FrmExplorer::closeEvent(QCloseEvent* event)
{
    SaveControlsPos();
    event->accept();
}

} // namespace explorer
