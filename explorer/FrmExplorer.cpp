#include "explorer/FrmExplorer.h"

#include "explorer/ExplorerStatusBar.h"
#include "explorer/ProgramIdentity.h"
#include "explorer/StartUp.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/Twips.h"

#include <QHeaderView>
#include <QListWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

namespace explorer {

namespace {

using interaction::twips::toPixels;

constexpr int designWidthTwips = 9600;
constexpr int designHeightTwips = 6600;
constexpr int listMarginTwips = 100;
constexpr int archiveListWidthTwips = 2500;

} // namespace

FrmExplorer::FrmExplorer(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmExplorer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(program::name() + QStringLiteral(" - ") + cadName(store::explorerState().CadType));

    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setMovable(false);

    auto* surface = new QWidget(this);
    setCentralWidget(surface);

    m_archiveList = new QListWidget(surface);
    m_archiveList->setObjectName(QStringLiteral("LVDB"));
    m_archiveList->setViewMode(QListView::IconMode);
    m_archiveList->setMovement(QListView::Static);
    m_archiveList->setResizeMode(QListView::Adjust);
    m_archiveList->setSortingEnabled(true);

    m_cardList = new QTreeWidget(surface);
    m_cardList->setObjectName(QStringLiteral("LWModelli"));
    m_cardList->setColumnCount(cardColumnCount);
    m_cardList->setHeaderLabels(QStringList(cardColumnCount, QString()));
    m_cardList->setRootIsDecorated(false);
    m_cardList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_cardList->header()->setStretchLastSection(false);

    m_statusBar = new ExplorerStatusBar(this);
    setStatusBar(m_statusBar);

    m_archiveList->resize(toPixels(archiveListWidthTwips), m_archiveList->height());
    resize(toPixels(designWidthTwips), toPixels(designHeightTwips));
}

QProgressBar* FrmExplorer::PrgBar() const
{
    return m_statusBar->PrgBar();
}

void FrmExplorer::SetProgBarPos()
{
    m_statusBar->SetProgBarPos();
}

void FrmExplorer::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!isMinimized())
        layOutLists();
}

// The two lists side by side, filling the window's surface; the archive list keeps its width.
void FrmExplorer::layOutLists()
{
    const QWidget* surface = centralWidget();
    const int margin = toPixels(listMarginTwips);
    const int height = std::max(0, surface->height() - 2 * margin);
    m_archiveList->setGeometry(margin, margin, m_archiveList->width(), height);
    const int cardLeft = m_archiveList->geometry().right() + 1 + margin;
    m_cardList->setGeometry(cardLeft, margin, std::max(0, surface->width() - cardLeft - margin), height);
}

} // namespace explorer
