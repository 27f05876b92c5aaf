#pragma once

#include <QPointer>
#include <QWidget>

#include "automation/DispatchObject.h"

namespace ui {

class MemberTable;

// A widget handed to a component: the members of its kind, late-bound. The widget stays the
// program's; once it is gone every member raises 364 (Object was unloaded).
class WidgetObject : public automation::DispatchObject {
public:
    WidgetObject(QWidget& widget, const MemberTable& members);

    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;
    const automation::InterfaceInfo* interfaceInfo() const override;

    QWidget* widget() const { return m_widget; }

private:
    QPointer<QWidget> m_widget;
    const MemberTable& m_members;
};

} // namespace ui
