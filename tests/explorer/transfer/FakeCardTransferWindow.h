#pragma once

#include <optional>

#include <QList>
#include <QStringList>

#include "explorer/transfer/CardTransferWindow.h"
#include "tests/explorer/transfer/FakeTransferWindow.h"

// The main window as card transfers see it: its card list is filled from the open archive, its
// archive-list selection and drop highlight are set by the test, and what is done to it is logged
// ("status TEXT", "place", "visible 0/1", "minimum N", "maximum N", "value N", "ghost ROW 0/1",
// "drag image cleared", "highlight cleared", "delete ask 0/1", "open ARCHIVE").
class FakeCardTransferWindow : public transfer::CardTransferWindow {
public:
    explicit FakeCardTransferWindow(utilex::_UtilexClass& utility);

    // Fills the card list with the cards of the open archive, none selected.
    void fill();
    void select(const QStringList& keys);
    QStringList keys() const;
    QStringList selectedKeys() const;
    const QStringList& log() const { return m_log; }
    void setSelectedArchive(std::optional<QString> text) { m_selectedArchive = std::move(text); }
    void setDropTarget(std::optional<QString> text) { m_dropTarget = std::move(text); }

    int rowCount() const override { return int(m_rows.size()); }
    QString rowText(int row) const override { return m_rows.at(row).key; }
    bool isRowSelected(int row) const override { return m_rows.at(row).selected; }
    void setRowSelected(int row, bool selected) override { m_rows[row].selected = selected; }
    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

    QString browseForFolder(const QString& title) override { return m_base.browseForFolder(title); }
    QString openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                           const std::optional<QString>& title) override
    {
        return m_base.openFileDialog(filter, initialFolder, title);
    }
    QString appFolder() const override { return m_base.appFolder(); }
    void showArchive(const QString& archiveName) override { m_base.showArchive(archiveName); }
    QString chooseAccumarkArea() override { return m_base.chooseAccumarkArea(); }
    utilex::_UtilexClass& utility() override { return m_base.utility(); }

    std::optional<QString> selectedArchiveText() const override { return m_selectedArchive; }
    std::optional<QString> dropTargetArchiveText() const override { return m_dropTarget; }
    void clearDropHighlight() override;
    bool movePending() const override { return m_movePending; }
    void setMovePending(bool pending) override { m_movePending = pending; }
    void setRowGhosted(int row, bool ghosted) override;
    void clearDragImage() override;
    void setProgressMinimum(int minimum) override;
    void MnuEliminaScheda(bool ask) override;
    void LVDB_DblClick() override;

private:
    FakeTransferWindow m_base;
    QList<FakeTransferWindow::Row> m_rows;
    QStringList m_log;
    std::optional<QString> m_selectedArchive;
    std::optional<QString> m_dropTarget;
    bool m_movePending = false;
    int m_minimum = 0;
    int m_maximum = 100;
};
