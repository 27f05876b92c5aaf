#include "explorer/ArchiveListAccessibility.h"

#include <QItemSelectionModel>
#include <QKeySequence>
#include <QListWidgetItem>

#include "explorer/ArchiveListView.h"

namespace explorer {

ArchiveListAccessibility::ArchiveListAccessibility(ArchiveListView& list) : QAccessibleWidget(&list, QAccessible::List)
{
    QAbstractItemModel* model = list.model();
    const auto forget = [this] { forgetItems(); };
    m_rowChanges = {
        QObject::connect(model, &QAbstractItemModel::rowsInserted, &list, forget),
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, &list, forget),
        QObject::connect(model, &QAbstractItemModel::rowsMoved, &list, forget),
        QObject::connect(model, &QAbstractItemModel::modelReset, &list, forget),
        QObject::connect(model, &QAbstractItemModel::layoutChanged, &list, forget),
    };
}

ArchiveListAccessibility::~ArchiveListAccessibility()
{
    for (const QMetaObject::Connection& connection : m_rowChanges)
        QObject::disconnect(connection);
    forgetItems();
}

QAccessibleInterface* ArchiveListAccessibility::create(const QString& className, QObject* object)
{
    auto* list = qobject_cast<ArchiveListView*>(object);
    if (!list || className != QLatin1String(ArchiveListView::staticMetaObject.className()))
        return nullptr;
    return new ArchiveListAccessibility(*list);
}

ArchiveListView& ArchiveListAccessibility::list() const
{
    return *static_cast<ArchiveListView*>(widget());
}

void ArchiveListAccessibility::forgetItems()
{
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
    m_items.clear();
}

int ArchiveListAccessibility::childCount() const
{
    return list().count();
}

QAccessibleInterface* ArchiveListAccessibility::child(int index) const
{
    if (index < 0 || index >= list().count())
        return nullptr;
    if (const auto known = m_items.constFind(index); known != m_items.cend())
        return QAccessible::accessibleInterface(*known);
    auto* item = new ArchiveItemAccessibility(list(), list().model()->index(index, 0));
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int ArchiveListAccessibility::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto known = m_items.cbegin(); known != m_items.cend(); ++known) {
        if (QAccessible::accessibleInterface(known.value()) == child)
            return known.key();
    }
    return -1;
}

QAccessibleInterface* ArchiveListAccessibility::focusChild() const
{
    const QModelIndex current = list().currentIndex();
    if (!current.isValid() || !list().hasFocus())
        return nullptr;
    return child(current.row());
}

QAccessibleInterface* ArchiveListAccessibility::childAt(int x, int y) const
{
    const QPoint point = list().viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = list().indexAt(point);
    return index.isValid() ? child(index.row()) : nullptr;
}

ArchiveItemAccessibility::ArchiveItemAccessibility(ArchiveListView& list, const QModelIndex& index)
    : m_list(list), m_index(index)
{
}

bool ArchiveItemAccessibility::isValid() const
{
    return m_index.isValid();
}

QWindow* ArchiveItemAccessibility::window() const
{
    return m_list.window()->windowHandle();
}

QAccessibleInterface* ArchiveItemAccessibility::parent() const
{
    return QAccessible::queryAccessibleInterface(&m_list);
}

QString ArchiveItemAccessibility::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    switch (type) {
    case QAccessible::Name:
        return m_index.data(Qt::DisplayRole).toString();
    case QAccessible::Description:
        return m_index.data(Qt::AccessibleDescriptionRole).toString();
    default:
        return {};
    }
}

QRect ArchiveItemAccessibility::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_list.visualRect(m_index);
    return QRect(m_list.viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ArchiveItemAccessibility::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.multiSelectable = true;
    state.extSelectable = true;
    state.focusable = true;
    state.selected = m_list.selectionModel()->isSelected(m_index);
    state.active = m_list.currentIndex() == m_index;
    state.focused = state.active && m_list.hasFocus();
    state.editable = true;
    if (!m_list.viewport()->rect().intersects(m_list.visualRect(m_index))) {
        state.invisible = true;
        state.offscreen = true;
    }
    return state;
}

void* ArchiveItemAccessibility::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList ArchiveItemAccessibility::actionNames() const
{
    return {pressAction(), setFocusAction(), toggleAction()};
}

void ArchiveItemAccessibility::doAction(const QString& actionName)
{
    if (!isValid())
        return;
    QListWidgetItem* item = m_list.item(m_index.row());
    if (actionName == pressAction()) {
        m_list.selectOnly(item);
        Q_EMIT m_list.openRequested();
    } else if (actionName == setFocusAction()) {
        m_list.setFocus(Qt::OtherFocusReason);
        m_list.selectionModel()->setCurrentIndex(m_index, QItemSelectionModel::NoUpdate);
    } else if (actionName == toggleAction()) {
        m_list.selectionModel()->select(m_index, QItemSelectionModel::Toggle);
    }
}

QStringList ArchiveItemAccessibility::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {QKeySequence(Qt::Key_Return).toString()};
    return {};
}

} // namespace explorer
