#pragma once

#include <QObject>

class QMainWindow;
class QTreeView;
class QWidget;

namespace explorer {

class ArchiveListView;

// The main window's layout, in twips: the archive list and the card list side by side on the
// window's surface (between the toolbar and the status bar), a draggable divider in the gap
// between them, and the layout's persistence in the explorer's INI file.
class ExplorerLayout : public QObject {
    Q_OBJECT

public:
    ExplorerLayout(QMainWindow& window, QWidget& surface, ArchiveListView& archiveList, QTreeView& cardList);

    // The lists' heights and the card list's width after a resize of the surface. Results the
    // controls refuse (below zero) are skipped. Nothing happens while the window is minimised.
    void arrange();

    // A mouse move over the surface at x, y (pixels of the surface).
    void surfaceMouseMove(int x, int y, bool leftButtonDown);
    bool isDragging() const { return m_dragging; }
    bool isOverDivider(int xTwips, int yTwips) const;

    // A width or position of the explorer's INI file, in twips ("1000" when absent).
    static int readTwips(const QString& section, const QString& key);

    void LoadControlsPos();
    // Errors go to the error dialog as "FrmExplorer_SaveControlsPos".
    void SaveControlsPos();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPointer();

    QMainWindow& m_window;
    QWidget& m_surface;
    ArchiveListView& m_archiveList;
    QTreeView& m_cardList;
    bool m_dragging = false;
};

} // namespace explorer
