#include "utilex/UtilexClassThunks.h"

#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex {

namespace {

using automation::MethodInfo;
using automation::TypedDispatch;
using automation::VarType;

template <class>
inline constexpr bool unsupportedType = false;

// Boolean and Integer share one C++ type; the declared type tells them apart.
template <class T>
T fromVariant(const Variant& value, VarType declared)
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

template <class T>
Variant toVariant(const T& value, VarType declared)
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

template <class Result, class... Params, std::size_t... Index>
Variant callWith(_UtilexClass& object, Result (_UtilexClass::*method)(Params...),
                 [[maybe_unused]] const MethodInfo& info, [[maybe_unused]] std::vector<Variant>& arguments,
                 std::index_sequence<Index...>)
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

template <class Result, class... Params>
TypedDispatch::Thunk thunk(_UtilexClass& object, const MethodInfo& info, Result (_UtilexClass::*method)(Params...))
{
    if (info.parameters.size() != sizeof...(Params) || info.result.has_value() == std::is_void_v<Result>)
        throw std::logic_error("type table and interface disagree on " + info.name.toStdString());
    return [&object, &info, method](std::vector<Variant>& arguments) {
        if (arguments.size() > sizeof...(Params))
            throw platform::RuntimeError(platform::WrongNumberOfArguments);
        if (arguments.size() < sizeof...(Params))
            throw platform::RuntimeError(platform::ArgumentNotOptional);
        return callWith(object, method, info, arguments, std::index_sequence_for<Params...>{});
    };
}

} // namespace

std::vector<TypedDispatch::Thunk> utilexThunks(_UtilexClass& object)
{
    const auto& methods = utilexInterface().methods;
    std::size_t slot = 0;
    // Braced lists evaluate in order, so each thunk meets its own row of the type table.
    const auto next = [&](auto method) { return thunk(object, methods.at(slot++), method); };
    return {
        next(&_UtilexClass::GetTmpPath),
        next(&_UtilexClass::Wait),
        next(&_UtilexClass::GetDiskSerialNumber),
        next(&_UtilexClass::PlayWav),
        next(&_UtilexClass::GetWindowsDir),
        next(&_UtilexClass::GetSystemDir),
        next(&_UtilexClass::ComputerName),
        next(&_UtilexClass::ShowTaskBar),
        next(&_UtilexClass::GetPrivateProfileString),
        next(&_UtilexClass::WritePrivateProfileString),
        next(&_UtilexClass::IsAttr),
        next(&_UtilexClass::DirExists),
        next(&_UtilexClass::ExitWin),
        next(&_UtilexClass::LeftString),
        next(&_UtilexClass::CambiaSfondoDeskTop),
        next(&_UtilexClass::NomeUtente),
        next(&_UtilexClass::MakeDir),
        next(&_UtilexClass::PrinterPrintAt),
        next(&_UtilexClass::Replicate),
        next(&_UtilexClass::TogliCarattere),
        next(&_UtilexClass::QuanteVolte),
        next(&_UtilexClass::FileExists),
        next(&_UtilexClass::Capitalize),
        next(&_UtilexClass::MySplit),
        next(&_UtilexClass::WaitForShell),
        next(&_UtilexClass::ReverseString),
        next(&_UtilexClass::AppClose),
        next(&_UtilexClass::GetMDIChildCount),
        next(&_UtilexClass::RightString),
        next(&_UtilexClass::GetCapsLock),
        next(&_UtilexClass::GetNumLock),
        next(&_UtilexClass::SetCapsLock),
        next(&_UtilexClass::SetNumLock),
        next(&_UtilexClass::GetOnlineDisks),
        next(&_UtilexClass::CenterForm),
        next(&_UtilexClass::AlwaysOnTop),
        next(&_UtilexClass::TileBkgd),
        next(&_UtilexClass::LoadFormPosition),
        next(&_UtilexClass::SaveFormPosition),
        next(&_UtilexClass::FillComboDir),
        next(&_UtilexClass::GetDiskFreeSpaceA),
        next(&_UtilexClass::SelText),
        next(&_UtilexClass::SaveAllFormValueControlToIni),
        next(&_UtilexClass::LoadAllFormValueControlFromIni),
        next(&_UtilexClass::InsStr),
        next(&_UtilexClass::GetMouseKey),
        next(&_UtilexClass::DisableControl),
        next(&_UtilexClass::IsPrinterInstalled),
        next(&_UtilexClass::LoadOneControlValueFromIni),
        next(&_UtilexClass::SaveOneControlValue2Ini),
        next(&_UtilexClass::GetAppPath),
    };
}

} // namespace utilex
