#pragma once

#include <QMainWindow>

class QListWidget;
class QProgressBar;
class QToolBar;
class QTreeWidget;

namespace explorer {

class ExplorerStatusBar;

// The explorer's main window: the archive list LVDB on the left, the card list LWModelli on the
// right, the toolbar MainToolBar on top and the status bar STBar with its progress bar PrgBar.
// Closing it ends the program.
class FrmExplorer : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int cardColumnCount = 6;

    explicit FrmExplorer(QWidget* parent = nullptr);

    QListWidget* LVDB() const { return m_archiveList; }
    QTreeWidget* LWModelli() const { return m_cardList; }
    QToolBar* MainToolBar() const { return m_toolBar; }
    ExplorerStatusBar* STBar() const { return m_statusBar; }
    QProgressBar* PrgBar() const;

    void SetProgBarPos();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOutLists();

    QListWidget* m_archiveList = nullptr;
    QTreeWidget* m_cardList = nullptr;
    QToolBar* m_toolBar = nullptr;
    ExplorerStatusBar* m_statusBar = nullptr;
};

} // namespace explorer
