#pragma once

#include <cstdint>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include <QString>

#include "automation/Boolean.h"
#include "automation/DispatchObject.h"
#include "automation/TypeInfo.h"
#include "automation/TypedDispatch.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace methodThunkDetail {

template <class> inline constexpr bool unsupportedType = false;

// Boolean and Integer share one C++ type; the declared type tells them apart.
template <class T> T fromVariant(const Variant& value, VarType declared)
{
    if constexpr (std::is_same_v<T, QString>)
        return value.toString();
    else if constexpr (std::is_same_v<T, std::int32_t>)
        return value.toLong();
    else if constexpr (std::is_same_v<T, std::int16_t>)
        return declared == VarType::Boolean ? automation::toBoolean(value.toBoolean()) : value.toInteger();
    else if constexpr (std::is_same_v<T, float>)
        return value.toSingle();
    else if constexpr (std::is_same_v<T, Variant>)
        return value;
    else if constexpr (std::is_same_v<T, ObjectRef>)
        return value.toObject();
    else
        static_assert(unsupportedType<T>);
}

template <class T> Variant toVariant(const T& value, VarType declared)
{
    if constexpr (std::is_same_v<T, QString>)
        return Variant(value);
    else if constexpr (std::is_same_v<T, std::int32_t>)
        return Variant::fromLong(value);
    else if constexpr (std::is_same_v<T, std::int16_t>)
        return declared == VarType::Boolean ? Variant::fromBoolean(value != 0) : Variant::fromInteger(value);
    else if constexpr (std::is_same_v<T, float>)
        return Variant::fromSingle(value);
    else if constexpr (std::is_same_v<T, std::uint8_t>)
        return Variant::fromByte(value);
    else if constexpr (std::is_same_v<T, Variant>)
        return value;
    else if constexpr (std::is_same_v<T, ObjectRef>)
        return Variant(value);
    else
        static_assert(unsupportedType<T>);
}

template <class Interface, class Result, class... Params, std::size_t... Index>
Variant callWith(Interface& object, Result (Interface::*method)(Params...), [[maybe_unused]] const MethodInfo& info,
                 [[maybe_unused]] std::vector<Variant>& arguments, std::index_sequence<Index...>)
{
    std::tuple<std::decay_t<Params>...> values{
        fromVariant<std::decay_t<Params>>(arguments[Index], info.parameters[Index].type)...};
    // By-reference values go back even when the method fails, as a caller's variable would
    // hold them under early binding.
    const auto writeBack = [&] {
        ((std::is_lvalue_reference_v<Params>
              ? void(arguments[Index] = toVariant(std::get<Index>(values), info.parameters[Index].type))
              : void()),
         ...);
    };
    Variant result;
    try {
        if constexpr (std::is_void_v<Result>)
            (object.*method)(std::get<Index>(values)...);
        else
            result = toVariant((object.*method)(std::get<Index>(values)...), *info.result);
    } catch (...) {
        writeBack();
        throw;
    }
    writeBack();
    return result;
}

} // namespace methodThunkDetail

// The dispatcher's thunk for one method of a component's dual interface: takes the converted
// arguments, calls the virtual method on object and puts the by-reference values back. The
// method's row of the type table must agree with its C++ signature.
template <class Interface, class Result, class... Params>
TypedDispatch::Thunk methodThunk(Interface& object, const MethodInfo& info, Result (Interface::*method)(Params...))
{
    if (info.parameters.size() != sizeof...(Params) || info.result.has_value() == std::is_void_v<Result>)
        throw std::logic_error("type table and interface disagree on " + info.name.toStdString());
    return [&object, &info, method](std::vector<Variant>& arguments) {
        if (arguments.size() > sizeof...(Params))
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        if (arguments.size() < sizeof...(Params))
            throw platform::RuntimeError(platform::ArgumentNotOptional);
        return methodThunkDetail::callWith(object, method, info, arguments, std::index_sequence_for<Params...>{});
    };
}

} // namespace automation
