#pragma once

#include <vector>

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

namespace explorer {

class ArchiveListView;

// What a screen reader meets in the archive list: the list and one item per archive, each item
// with an action that opens its archive as Return and a double click do. Qt's own item view
// interfaces offer only selection on their items, and they cannot be extended.
class ArchiveListAccessibility : public QAccessibleWidget {
public:
    explicit ArchiveListAccessibility(ArchiveListView& list);
    ~ArchiveListAccessibility() override;

    // The factory to install once: answers for the archive list, nothing else.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ArchiveListView& list() const;
    // Items are numbered by row, as the view numbers them in its focus and selection events; a
    // change of rows renumbers them, so the items met so far are let go.
    void forgetItems();

    mutable QHash<int, QAccessible::Id> m_items;
    std::vector<QMetaObject::Connection> m_rowChanges;
};

// An archive item: its label as name, its selection and focus as state, and the actions press
// (open the archive), set focus and toggle (selection).
class ArchiveItemAccessibility : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ArchiveItemAccessibility(ArchiveListView& list, const QModelIndex& index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ArchiveListView& m_list;
    QPersistentModelIndex m_index;
};

} // namespace explorer
