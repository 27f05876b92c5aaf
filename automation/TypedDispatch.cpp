#include "automation/TypedDispatch.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace {

Variant zeroValueOf(VarType type)
{
    switch (type) {
    case VarType::Integer:
        return Variant::fromInteger(0);
    case VarType::Long:
        return Variant::fromLong(0);
    case VarType::Single:
        return Variant::fromSingle(0);
    case VarType::Double:
        return Variant::fromDouble(0);
    case VarType::Date:
        return Variant::fromDate(QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    case VarType::String:
        return Variant(QString());
    case VarType::Boolean:
        return Variant::fromBoolean(false);
    case VarType::Byte:
        return Variant::fromByte(0);
    case VarType::Object:
        return Variant(std::shared_ptr<DispatchObject>());
    case VarType::Variant:
        return Variant::missing();
    default:
        return Variant();
    }
}

Variant argumentFor(const ParameterInfo& parameter, const Variant* given)
{
    if (given && !given->isMissing())
        return given->convertedTo(parameter.type);
    if (!parameter.optional)
        throw platform::RuntimeError(platform::ArgumentNotOptional);
    if (parameter.defaultValue)
        return parameter.defaultValue->convertedTo(parameter.type);
    return zeroValueOf(parameter.type);
}

// Runs a method of the component. Whatever leaves it must not refer to the component's code or
// data, which may be unloaded as soon as the last instance is gone: texts are copied and every
// failure becomes a runtime error.
Variant runThunk(const TypedDispatch::Thunk& thunk, std::vector<Variant>& values)
{
    try {
        return thunk(values).ownedCopy();
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(error.number(),
                                     QString(error.description().constData(), error.description().size()));
    } catch (const std::bad_alloc&) {
        throw platform::RuntimeError(platform::OutOfMemory);
    } catch (const std::exception& error) {
        throw platform::RuntimeError(platform::AutomationError,
                                     QStringLiteral("Automation error: ") + QString::fromLocal8Bit(error.what()));
    } catch (...) {
        throw platform::RuntimeError(platform::AutomationError, QStringLiteral("Automation error"));
    }
}

} // namespace

TypedDispatch::TypedDispatch(const InterfaceInfo& interface) : m_interface(interface) {}

void TypedDispatch::setThunks(std::vector<Thunk> thunks)
{
    if (thunks.size() != m_interface.methods.size())
        throw std::logic_error("one thunk per method of the interface is needed");
    m_thunks = std::move(thunks);
}

int TypedDispatch::idOfName(const QString& name) const
{
    const int index = m_interface.indexOf(name);
    return index < 0 ? unknownName : m_interface.dispatchIdOf(index);
}

Variant TypedDispatch::invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments)
{
    const int index = dispatchId - InterfaceInfo::firstDispatchId;
    if (index < 0 || std::size_t(index) >= m_interface.methods.size() || std::size_t(index) >= m_thunks.size())
        throw platform::RuntimeError(platform::MemberNotFound);
    const MethodInfo& method = m_interface.methods[std::size_t(index)];
    if (kind == InvokeKind::PropertyPut || (kind == InvokeKind::PropertyGet && !method.result))
        throw platform::RuntimeError(platform::MemberNotFound);

    const auto& parameters = method.parameters;
    if (arguments.size() > parameters.size())
        throw platform::RuntimeError(platform::WrongNumberOfArguments);
    std::vector<Variant> values;
    values.reserve(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i)
        values.push_back(argumentFor(parameters[i], i < arguments.size() ? &arguments[i] : nullptr));

    const Variant result = runThunk(m_thunks[std::size_t(index)], values);

    // An argument left out has no caller's variable to write into.
    for (std::size_t i = 0; i < arguments.size(); ++i)
        if (parameters[i].byRef && !arguments[i].isMissing())
            arguments[i] = values[i].ownedCopy();
    return method.result ? result.convertedTo(*method.result) : Variant();
}

} // namespace automation
