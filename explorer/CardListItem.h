#pragma once

#include <array>

#include <QIcon>
#include <QString>
#include <QTreeWidgetItem>

namespace explorer {

// A row of the card list: its six texts held as plain strings and the card image shared by every
// row, so that a list of tens of thousands of cards is built without a value object per cell.
class CardListItem : public QTreeWidgetItem {
public:
    static constexpr int textCount = 6;

    CardListItem(std::array<QString, textCount> texts, const QIcon& icon);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;
    QTreeWidgetItem* clone() const override;

private:
    std::array<QString, textCount> m_texts;
    QIcon m_icon;
};

} // namespace explorer
