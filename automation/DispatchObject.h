#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "automation/Variant.h"

namespace automation {

struct InterfaceInfo;

enum class InvokeKind { Method = 1, PropertyGet = 2, PropertyPut = 4 };

// A late-bound automation object: dispatch ids of names (ignoring case) and invocation by id.
// Components implement it from their type information; callers' forms and controls implement it
// over their widgets.
class DispatchObject : public std::enable_shared_from_this<DispatchObject> {
public:
    static constexpr int unknownName = -1;

    virtual ~DispatchObject() = default;

    virtual int idOfName(const QString& name) const = 0;
    // Arguments in declared order; a by-reference argument holds its value after the call.
    // Optional arguments left out are Variant::missing(). Failures raise platform::RuntimeError
    // (438 for an unknown id).
    virtual Variant invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments) = 0;
    // The interface this object describes itself with; null for objects without type information.
    virtual const InterfaceInfo* interfaceInfo() const { return nullptr; }

    // Late-bound use by name, as the runtime's member access does; 438 for an unknown name.
    Variant call(const QString& name, std::vector<Variant> arguments = {});
    Variant callByRef(const QString& name, std::vector<Variant>& arguments);
    Variant get(const QString& property);
    void set(const QString& property, const Variant& value);
    // Properties with indices, as TextMatrix(row, col): a put passes the indices first and the
    // value last.
    Variant get(const QString& property, std::vector<Variant> indices);
    void set(const QString& property, std::vector<Variant> indices, const Variant& value);
};

using ObjectRef = std::shared_ptr<DispatchObject>;

} // namespace automation
