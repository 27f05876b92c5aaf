#pragma once

#include "explorer/transfer/TransferWindow.h"

#include <QList>
#include <QStringList>

// The main window as the transfer commands see it, recording what is done to it. Its dialogs go
// to the installed prompter; the area chooser answers with a preset entry.
class FakeTransferWindow : public transfer::TransferWindow {
public:
    struct Row {
        QString key;
        bool selected = false;
    };

    FakeTransferWindow(utilex::_UtilexClass& utility, QList<Row> rows = {});

    QStringList selectedKeys() const;
    // "status TEXT", "place", "visible 0/1", "maximum N", "value N", "show ARCHIVE", "choose".
    const QStringList& log() const { return m_log; }
    void setChosenArea(const QString& area) { m_chosenArea = area; }

    int rowCount() const override { return int(m_rows.size()); }
    QString rowText(int row) const override { return m_rows.at(row).key; }
    bool isRowSelected(int row) const override { return m_rows.at(row).selected; }
    void setRowSelected(int row, bool selected) override { m_rows[row].selected = selected; }
    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

    QString browseForFolder(const QString& title) override;
    QString openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                           const std::optional<QString>& title) override;
    QString appFolder() const override { return QStringLiteral("C:\\Tramex\\"); }
    void showArchive(const QString& archiveName) override;
    QString chooseAccumarkArea() override;
    utilex::_UtilexClass& utility() override { return m_utility; }

private:
    utilex::_UtilexClass& m_utility;
    QList<Row> m_rows;
    QStringList m_log;
    QString m_chosenArea;
    int m_maximum = 100;
};
