#pragma once

#include "explorer/store/CardListWindow.h"

#include <QList>
#include <QStringList>

// A card list, status bar and progress bar that record what is done to them. The progress bar
// refuses what the platform's control refuses, with error 380, and logs the refusal.
class FakeCardListWindow : public store::CardListWindow {
public:
    struct Row {
        QString key;
        bool selected = false;
    };

    explicit FakeCardListWindow(QList<Row> rows) : m_rows(std::move(rows)) {}

    QStringList selectedKeys() const;
    const QStringList& log() const { return m_log; }
    bool progressBarVisible() const { return m_visible; }

    int rowCount() const override { return int(m_rows.size()); }
    QString rowText(int row) const override { return m_rows.at(row).key; }
    bool isRowSelected(int row) const override { return m_rows.at(row).selected; }
    void setRowSelected(int row, bool selected) override { m_rows[row].selected = selected; }
    void setStatusText(const QString& text) override;
    void placeProgressBar() override;
    void setProgressBarVisible(bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void setProgressMinimum(int) override {}

private:
    QList<Row> m_rows;
    QStringList m_log;
    bool m_visible = false;
    int m_maximum = 100;
};
