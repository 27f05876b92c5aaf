#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include <QString>
#include <QStringView>

#include "automation/DispatchObject.h"
#include "automation/Variant.h"

namespace grid {

// An object of the caller (the grid, the text box) reached by member name at run time. Nothing
// raises 91 at its first use, as the runtime does; a missing member raises 438.
class LateBoundObject {
public:
    explicit LateBoundObject(automation::ObjectRef object);

    automation::Variant get(QStringView member, std::vector<automation::Variant> indices = {}) const;
    void set(QStringView member, const automation::Variant& value) const;
    void set(QStringView member, std::vector<automation::Variant> indices, const automation::Variant& value) const;
    void call(QStringView member, std::vector<automation::Variant> arguments = {}) const;

    // A property read into a 16-bit Integer variable: 6 (Overflow) past its range.
    std::int16_t integer(QStringView member, std::vector<automation::Variant> indices = {}) const;
    // A property read as a Long, for arithmetic before it meets an Integer.
    std::int32_t number(QStringView member) const;

private:
    automation::DispatchObject& object() const;
    // The member's dispatch id, asked of the object once: a command walking many cells names
    // the same few members over and over.
    int idOf(QStringView member) const;
    automation::Variant invoke(QStringView member, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) const;

    automation::ObjectRef m_object;
    mutable std::vector<std::pair<QString, int>> m_ids;
};

// A whole number stored into a 16-bit Integer variable: 6 (Overflow) past its range.
std::int16_t toInteger(std::int32_t value);

// An index argument for the grid.
automation::Variant index(int value);

} // namespace grid
