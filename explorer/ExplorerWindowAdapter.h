#pragma once

#include "explorer/transfer/CardTransferWindow.h"

namespace explorer {

class FrmExplorer;

// The main window as the card store and the transfer commands see it: the rows of LWModelli in
// list order, the first status-bar panel, the progress bar, the window's dialogs, the archive
// list and the process's utility object, and what moving cards between archives needs of it. The progress bar refuses a
// maximum below 1 and a value outside 0..maximum with error 380, as the platform's control does.
class ExplorerWindowAdapter : public transfer::CardTransferWindow {
public:
    explicit ExplorerWindowAdapter(FrmExplorer& window);

    int rowCount() const override;
    QString rowText(int row) const override;
    bool isRowSelected(int row) const override;
    void setRowSelected(int row, bool selected) override;
    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

    QString browseForFolder(const QString& title) override;
    QString openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                           const std::optional<QString>& title) override;
    QString appFolder() const override;
    void showArchive(const QString& archiveName) override;
    QString chooseAccumarkArea() override;
    utilex::_UtilexClass& utility() override;

    std::optional<QString> selectedArchiveText() const override;
    std::optional<QString> dropTargetArchiveText() const override;
    void clearDropHighlight() override;
    bool movePending() const override;
    void setMovePending(bool pending) override;
    void setRowGhosted(int row, bool ghosted) override;
    void clearDragImage() override;
    void setProgressMinimum(int minimum) override;
    void MnuEliminaScheda(bool ask) override;
    void LVDB_DblClick() override;

private:
    FrmExplorer& m_window;
};

} // namespace explorer
