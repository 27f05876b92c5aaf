#pragma once

#include <memory>

#include <QMainWindow>

class QListWidget;
class QListWidgetItem;
class QProgressBar;

namespace store {
class CardListWindow;
}
namespace transfer {
class CardTransferWindow;
class TransferWindow;
} // namespace transfer

namespace explorer {

class ArchiveListView;
class CardListView;
class ExplorerCommands;
class ExplorerLayout;
class ExplorerMenus;
class ExplorerStatusBar;
class ExplorerToolBar;
class ExplorerWindowAdapter;

// The explorer's main window: the archive list LVDB on the left, the card list LWModelli of the
// open archive on the right, the toolbar MainToolBar on top and the status bar STBar with its
// progress bar PrgBar. Closing it stores the layout and ends the program.
class FrmExplorer : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int cardColumnCount = 6;

    explicit FrmExplorer(QWidget* parent = nullptr);
    ~FrmExplorer() override;

    QListWidget* LVDB() const;
    CardListView* LWModelli() const;
    ExplorerStatusBar* STBar() const { return m_statusBar; }
    QProgressBar* PrgBar() const;
    QToolBar* MainToolBar() const;

    ArchiveListView& archiveList() const { return *m_archiveList; }
    CardListView& cardList() const { return *m_cardList; }
    ExplorerToolBar& toolBar() const { return *m_toolBar; }
    ExplorerMenus& menus() const { return *m_menus; }
    ExplorerLayout& layout() const { return *m_layout; }
    ExplorerCommands& commands() const { return *m_commands; }

    void SetProgBarPos();
    // Rebuilds the archive list from DatabaseFolder + "*.mdb": each name in upper case, cut
    // before its first ".MDB", the configuration database "TRAMEX CONFIG" left out. A missing
    // folder gives an empty list.
    void FillLVDB();
    // Opens the archive selected in the archive list: it alone shows icon 2, its cards fill the
    // card list sorted by key, and it becomes the current archive.
    void LVDB_DblClick();
    // Adds the cards of the selected archive, opened exclusively; errors go to the error dialog
    // as "FrmExplorer_FillLWModelli".
    void FillLWModelli();
    // The lists' background colours, by name from the explorer's INI file.
    void ConfigureListView();
    void LoadControlsPos();
    void SaveControlsPos();

    // 1 for a closed archive, 2 for the open one.
    int archiveIcon(const QListWidgetItem* item) const;
    void setArchiveIcon(QListWidgetItem* item, int iconNumber);
    // The archive item with exactly this text, or nullptr.
    QListWidgetItem* findArchiveItem(const QString& archiveName) const;

    store::CardListWindow& cardListWindow();
    transfer::TransferWindow& transferWindow();
    transfer::CardTransferWindow& cardTransferWindow();

    void SetMainToolBar(bool& anySelected);
    void SetMnuLWModelli();
    void SetMnuLVDB();
    void SetCADTypeMnu();

    // True when the next paste is a move.
    bool MovePending = false;

    // No menu of Qt's own (the one that hides the toolbar) on the toolbar or the menu bar.
    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void InitLVDB();
    void InitLWModelli();

    ArchiveListView* m_archiveList = nullptr;
    CardListView* m_cardList = nullptr;
    ExplorerToolBar* m_toolBar = nullptr;
    ExplorerStatusBar* m_statusBar = nullptr;
    std::unique_ptr<ExplorerMenus> m_menus;
    ExplorerLayout* m_layout = nullptr;
    ExplorerCommands* m_commands = nullptr;
    std::unique_ptr<ExplorerWindowAdapter> m_adapter;
};

} // namespace explorer
