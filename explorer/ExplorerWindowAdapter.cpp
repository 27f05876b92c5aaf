#include "explorer/ExplorerWindowAdapter.h"

#include <QListWidget>
#include <QProgressBar>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "explorer/ArchiveListView.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerCommands.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/FrmScegliArea.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "ui/FileDialogs.h"

namespace explorer {

ExplorerWindowAdapter::ExplorerWindowAdapter(FrmExplorer& window) : m_window(window) {}

int ExplorerWindowAdapter::rowCount() const
{
    return m_window.cardList().rowCount();
}

QString ExplorerWindowAdapter::rowText(int row) const
{
    return m_window.cardList().rowText(row);
}

bool ExplorerWindowAdapter::isRowSelected(int row) const
{
    return m_window.cardList().isRowSelected(row);
}

void ExplorerWindowAdapter::setRowSelected(int row, bool selected)
{
    m_window.cardList().setRowSelected(row, selected);
}

void ExplorerWindowAdapter::setStatusText(const QString& text)
{
    m_window.STBar()->setPanelText(1, text);
}

void ExplorerWindowAdapter::placeProgressBar()
{
    m_window.SetProgBarPos();
}

void ExplorerWindowAdapter::setProgressBarVisible(bool visible)
{
    m_window.PrgBar()->setVisible(visible);
}

void ExplorerWindowAdapter::setProgressMaximum(int maximum)
{
    QProgressBar* bar = m_window.PrgBar();
    if (maximum < 1)
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    bar->setMaximum(maximum);
}

void ExplorerWindowAdapter::setProgressValue(int value)
{
    QProgressBar* bar = m_window.PrgBar();
    if (value < bar->minimum() || value > bar->maximum())
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    bar->setValue(value);
}

QString ExplorerWindowAdapter::browseForFolder(const QString& title)
{
    return ui::BrowseForFolder(&m_window, title);
}

QString ExplorerWindowAdapter::openFileDialog(const QList<interaction::FileFilter>& filter,
                                              const QString& initialFolder, const std::optional<QString>& title)
{
    if (title)
        return ui::OpenFileDialog(&m_window, filter, initialFolder, *title);
    return ui::OpenFileDialog(&m_window, filter, initialFolder);
}

QString ExplorerWindowAdapter::appFolder() const
{
    return common::program::GetAppFolder();
}

void ExplorerWindowAdapter::showArchive(const QString& archiveName)
{
    QListWidget* archives = m_window.LVDB();
    archives->clearSelection();
    if (QListWidgetItem* item = m_window.findArchiveItem(archiveName))
        archives->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    m_window.LVDB_DblClick();
}

QString ExplorerWindowAdapter::chooseAccumarkArea()
{
    return FrmScegliArea::choose(&m_window);
}

utilex::_UtilexClass& ExplorerWindowAdapter::utility()
{
    return common::utility();
}

std::optional<QString> ExplorerWindowAdapter::selectedArchiveText() const
{
    if (const QListWidgetItem* item = m_window.archiveList().selectedArchive())
        return item->text();
    return std::nullopt;
}

std::optional<QString> ExplorerWindowAdapter::dropTargetArchiveText() const
{
    if (const QListWidgetItem* item = m_window.archiveList().dropTarget())
        return item->text();
    return std::nullopt;
}

void ExplorerWindowAdapter::clearDropHighlight()
{
    m_window.archiveList().setDropTarget(nullptr);
}

bool ExplorerWindowAdapter::movePending() const
{
    return m_window.MovePending;
}

void ExplorerWindowAdapter::setMovePending(bool pending)
{
    m_window.MovePending = pending;
}

void ExplorerWindowAdapter::setRowGhosted(int row, bool ghosted)
{
    m_window.cardList().setRowGhosted(row, ghosted);
}

void ExplorerWindowAdapter::clearDragImage()
{
    m_window.cardList().setDragImage(0);
}

void ExplorerWindowAdapter::setProgressMinimum(int minimum)
{
    m_window.PrgBar()->setMinimum(minimum);
}

void ExplorerWindowAdapter::MnuEliminaScheda(bool ask)
{
    m_window.commands().maintenance().MnuEliminaScheda(ask);
}

void ExplorerWindowAdapter::LVDB_DblClick()
{
    m_window.LVDB_DblClick();
}

} // namespace explorer
