#include "explorer/CardListItem.h"

#include <utility>

namespace explorer {

namespace {

bool isText(int column, int role)
{
    return (role == Qt::DisplayRole || role == Qt::EditRole) && column >= 0 && column < CardListItem::textCount;
}

} // namespace

CardListItem::CardListItem(std::array<QString, textCount> texts, const QIcon& icon)
    : m_texts(std::move(texts)), m_icon(icon)
{
}

QVariant CardListItem::data(int column, int role) const
{
    if (isText(column, role))
        return m_texts[std::size_t(column)];
    if (role == Qt::DecorationRole && column == 0)
        return m_icon;
    return QTreeWidgetItem::data(column, role);
}

void CardListItem::setData(int column, int role, const QVariant& value)
{
    if (role == Qt::DecorationRole && column == 0) {
        m_icon = value.value<QIcon>();
    } else if (isText(column, role)) {
        m_texts[std::size_t(column)] = value.toString();
    }
    // The base item tells the list that the row changed.
    QTreeWidgetItem::setData(column, role, value);
}

QTreeWidgetItem* CardListItem::clone() const
{
    auto* copy = new CardListItem(m_texts, m_icon);
    *static_cast<QTreeWidgetItem*>(copy) = *this;
    return copy;
}

} // namespace explorer
