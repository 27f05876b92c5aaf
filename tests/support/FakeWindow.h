#pragma once

#include <optional>

#include <QList>
#include <QStringList>

#include "explorer/transfer/CardTransferWindow.h"
#include "interaction/RecordingProgressDisplay.h"

// The main window as the card operations, the transfer commands and the card transfers see it,
// recording what is done to it in one log: its progress display's lines, and "show ARCHIVE",
// "choose", "ghost ROW 0/1", "drag image cleared", "highlight cleared", "delete ask 0/1",
// "open ARCHIVE". Its dialogs go to the installed prompter; the area chooser answers with a preset
// entry; its card list is given, or filled from the open archive.
class FakeWindow : public transfer::CardTransferWindow {
public:
    struct Row {
        QString key;
        bool selected = false;
    };

    explicit FakeWindow(QList<Row> rows = {}) : m_rows(std::move(rows)) {}
    explicit FakeWindow(utilex::_UtilexClass& utility, QList<Row> rows = {})
        : m_utility(&utility), m_rows(std::move(rows))
    {
    }

    // Fills the card list with the cards of the open archive, none selected.
    void fill();
    void select(const QStringList& keys);
    QStringList keys() const;
    QStringList selectedKeys() const;
    const QStringList& log() const { return m_progress.log(); }
    bool progressBarVisible() const { return m_progress.progressBarVisible(); }
    void setChosenArea(const QString& area) { m_chosenArea = area; }
    void setSelectedArchive(std::optional<QString> text) { m_selectedArchive = std::move(text); }
    void setDropTarget(std::optional<QString> text) { m_dropTarget = std::move(text); }

    int rowCount() const override { return int(m_rows.size()); }
    QString rowText(int row) const override { return m_rows.at(row).key; }
    bool isRowSelected(int row) const override { return m_rows.at(row).selected; }
    void setRowSelected(int row, bool selected) override { m_rows[row].selected = selected; }

    void setStatusText(const QString& text) override { m_progress.setStatusText(text); }
    void placeProgressBar() override { m_progress.placeProgressBar(); }
    void setProgressBarVisible(bool visible) override { m_progress.setProgressBarVisible(visible); }
    void setProgressMinimum(int minimum) override { m_progress.setProgressMinimum(minimum); }
    void setProgressMaximum(int maximum) override { m_progress.setProgressMaximum(maximum); }
    void setProgressValue(int value) override { m_progress.setProgressValue(value); }

    QString browseForFolder(const QString& title) override;
    QString openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                           const std::optional<QString>& title) override;
    QString appFolder() const override { return QStringLiteral("C:\\Tramex\\"); }
    void showArchive(const QString& archiveName) override;
    QString chooseAccumarkArea() override;
    utilex::_UtilexClass& utility() override;

    std::optional<QString> selectedArchiveText() const override { return m_selectedArchive; }
    std::optional<QString> dropTargetArchiveText() const override { return m_dropTarget; }
    void clearDropHighlight() override;
    bool movePending() const override { return m_movePending; }
    void setMovePending(bool pending) override { m_movePending = pending; }
    void setRowGhosted(int row, bool ghosted) override;
    void clearDragImage() override;
    void MnuEliminaScheda(bool ask) override;
    void LVDB_DblClick() override;

private:
    utilex::_UtilexClass* m_utility = nullptr;
    QList<Row> m_rows;
    interaction::RecordingProgressDisplay m_progress;
    QString m_chosenArea;
    std::optional<QString> m_selectedArchive;
    std::optional<QString> m_dropTarget;
    bool m_movePending = false;
};
