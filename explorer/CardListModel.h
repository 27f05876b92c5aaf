#pragma once

#include <cstdint>
#include <vector>

#include <QAbstractTableModel>
#include <QBrush>
#include <QIcon>
#include <QStringList>

#include "explorer/CardRows.h"

namespace explorer {

// The card list's rows for its view: the texts held compactly, the card icon shared by every row
// in the first column, a row order for sorting, and the rows cut since the list was last filled,
// which show in the ghost brush. Sorting moves the selection and the ghosted marks with their rows.
class CardListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CardListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Stable: rows whose texts are equal keep the order they stood in.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QString text(int row, int column) const;
    void setHeaderLabels(const QStringList& labels);
    void setCardIcon(const QIcon& icon) { m_icon = icon; }
    void setGhostBrush(const QBrush& brush);

    // Adds the rows after those listed, in their order.
    void append(CardRows rows);
    void clear();

    void setRowGhosted(int row, bool ghosted);
    bool isRowGhosted(int row) const;

private:
    std::uint32_t record(int row) const { return m_order[std::size_t(row)]; }

    CardRows m_rows;
    // The record shown at each row.
    std::vector<std::uint32_t> m_order;
    // By record, so that the mark follows its row through a sort.
    std::vector<bool> m_ghosted;
    QStringList m_headerLabels;
    QIcon m_icon;
    QBrush m_ghostBrush;
};

} // namespace explorer
