#pragma once

#include <functional>
#include <vector>

#include "automation/DispatchObject.h"
#include "automation/TypeInfo.h"

namespace automation {

// Dispatch driven by type information: a component class derives from it and its interface,
// and gives one thunk per method, in slot order. Before a thunk runs the arguments are counted
// (450 too many, 449 a required one missing), converted to their declared types (13, 6),
// defaulted (declared default; a typed optional without one reads as its type's zero value; a
// Variant optional stays missing). After it, by-reference arguments are written back.
// DispatchObject is a virtual base so that a class can derive from its dual interface (itself a
// DispatchObject, derived virtually) and from TypedDispatch and still be one DispatchObject.
class TypedDispatch : public virtual DispatchObject {
public:
    using Thunk = std::function<Variant(std::vector<Variant>& arguments)>;

    int idOfName(const QString& name) const override;
    Variant invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments) override;
    const InterfaceInfo* interfaceInfo() const override { return &m_interface; }

protected:
    TypedDispatch(const InterfaceInfo& interface);
    // Installs the thunks, one per method of the interface, in slot order.
    void setThunks(std::vector<Thunk> thunks);

private:
    const InterfaceInfo& m_interface;
    std::vector<Thunk> m_thunks;
};

} // namespace automation
