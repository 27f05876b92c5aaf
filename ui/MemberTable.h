#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "automation/DispatchObject.h"
#include "automation/TypeInfo.h"

class QWidget;

namespace ui {

// The members of one kind of widget object, for late binding by name (case ignored): properties
// with a getter and perhaps a setter, methods, and one default member that dispatch id 0
// reaches. It describes itself as an interface whose name is what TypeOf compares.
// Setting a property without a setter raises 383, a member the kind lacks 438.
class MemberTable {
public:
    using Variant = automation::Variant;
    using Getter = std::function<Variant(QWidget&)>;
    using Setter = std::function<void(QWidget&, const Variant&)>;
    using Method = std::function<Variant(QWidget&, std::vector<Variant>&)>;

    explicit MemberTable(const QString& interfaceName);

    MemberTable& property(const char16_t* name, Getter get, Setter put = {});
    MemberTable& method(const char16_t* name, Method call);
    // The member added last becomes the default one.
    MemberTable& asDefault();

    int idOf(const QString& name) const;
    Variant invoke(QWidget& widget, int dispatchId, automation::InvokeKind kind, std::vector<Variant>& arguments) const;
    const automation::InterfaceInfo& interface() const { return m_interface; }

private:
    struct Member {
        Getter get;
        Setter put;
        Method call;
    };
    MemberTable& add(const char16_t* name, Member member);

    automation::InterfaceInfo m_interface;
    std::vector<Member> m_members;
    int m_default = -1;
};

} // namespace ui
