#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "automation/TypeInfo.h"
#include "automation/Variant.h"

// The rows a component's type library is written in: its parameters and methods as the runtime
// declares them (a parameter is by reference unless said otherwise).
namespace automation::typeLibraryRows {

inline ParameterInfo byRef(const char16_t* name, VarType type)
{
    return ParameterInfo{QString::fromUtf16(name), type, true, false, std::nullopt};
}

inline ParameterInfo byValue(const char16_t* name, VarType type)
{
    return ParameterInfo{QString::fromUtf16(name), type, false, false, std::nullopt};
}

inline ParameterInfo optional(const char16_t* name, VarType type = VarType::Variant,
                              std::optional<Variant> defaultValue = std::nullopt)
{
    return ParameterInfo{QString::fromUtf16(name), type, true, true, std::move(defaultValue)};
}

inline MethodInfo method(const char16_t* name, std::vector<ParameterInfo> parameters, std::optional<VarType> result)
{
    return MethodInfo{QString::fromUtf16(name), std::move(parameters), result};
}

inline MethodInfo procedure(const char16_t* name, std::vector<ParameterInfo> parameters)
{
    return method(name, std::move(parameters), std::nullopt);
}

inline MethodInfo function(const char16_t* name, std::vector<ParameterInfo> parameters, VarType result)
{
    return method(name, std::move(parameters), result);
}

} // namespace automation::typeLibraryRows
