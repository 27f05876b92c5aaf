#include "automation/Variant.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "automation/DateValue.h"
#include "automation/NumericText.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace {

constexpr std::int32_t paramNotFound = std::int32_t(0x80020004);
constexpr std::int32_t runtimeErrorFacility = std::int32_t(0x800A0000);

// Whole-number conversions round half to even, as the runtime's CInt and CLng do.
double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

template <class Integer> Integer wholeNumber(double value)
{
    if (std::isnan(value))
        throw platform::RuntimeError(platform::Overflow);
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Integer>::min()) || rounded > double(std::numeric_limits<Integer>::max()))
        throw platform::RuntimeError(platform::Overflow);
    return Integer(rounded);
}

double numberFromText(const QString& text)
{
    const auto number = numericText::parse(text);
    if (!number)
        throw platform::RuntimeError(platform::TypeMismatch);
    return *number;
}

int errorNumberOf(std::int32_t scode)
{
    if (scode == paramNotFound)
        return 448;
    if ((scode & std::int32_t(0xFFFF0000)) == runtimeErrorFacility)
        return scode & 0xFFFF;
    return scode;
}

} // namespace

Variant::Variant(const QString& text) : m_value(text) {}

Variant::Variant(const char16_t* text) : m_value(QString::fromUtf16(text)) {}

Variant::Variant(std::shared_ptr<DispatchObject> object) : m_value(std::move(object)) {}

Variant Variant::null()
{
    return Variant(Storage(NullValue{}));
}
Variant Variant::missing()
{
    return Variant(Storage(Missing{paramNotFound}));
}
Variant Variant::fromInteger(std::int16_t value)
{
    return Variant(Storage(value));
}
Variant Variant::fromLong(std::int32_t value)
{
    return Variant(Storage(value));
}
Variant Variant::fromSingle(float value)
{
    return Variant(Storage(Single{value}));
}
Variant Variant::fromDouble(double value)
{
    return Variant(Storage(value));
}
Variant Variant::fromBoolean(bool value)
{
    return Variant(Storage(Boolean{value}));
}
Variant Variant::fromByte(std::uint8_t value)
{
    return Variant(Storage(Byte{value}));
}
Variant Variant::fromDate(const QDateTime& value)
{
    return Variant(Storage(value));
}
Variant Variant::fromError(std::int32_t scode)
{
    return Variant(Storage(Missing{scode}));
}

Variant Variant::array(QList<Variant> elements, int lowerBound, VarType elementType)
{
    auto data = std::make_shared<ArrayData>();
    data->lowerBound = lowerBound;
    data->elementType = elementType;
    data->elements = std::move(elements);
    return Variant(Storage(std::move(data)));
}

VarType Variant::type() const
{
    struct TypeOf {
        VarType operator()(std::monostate) const { return VarType::Empty; }
        VarType operator()(NullValue) const { return VarType::Null; }
        VarType operator()(std::int16_t) const { return VarType::Integer; }
        VarType operator()(std::int32_t) const { return VarType::Long; }
        VarType operator()(Single) const { return VarType::Single; }
        VarType operator()(double) const { return VarType::Double; }
        VarType operator()(const QDateTime&) const { return VarType::Date; }
        VarType operator()(const QString&) const { return VarType::String; }
        VarType operator()(const std::shared_ptr<DispatchObject>&) const { return VarType::Object; }
        VarType operator()(Missing) const { return VarType::Error; }
        VarType operator()(Boolean) const { return VarType::Boolean; }
        VarType operator()(Byte) const { return VarType::Byte; }
        VarType operator()(const std::shared_ptr<ArrayData>&) const { return VarType::Array; }
    };
    return std::visit(TypeOf{}, m_value);
}

bool Variant::isMissing() const
{
    const auto* error = std::get_if<Missing>(&m_value);
    return error && error->scode == paramNotFound;
}

bool Variant::isNumeric() const
{
    switch (type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Boolean:
    case VarType::Byte:
        return true;
    case VarType::String:
        try {
            return numericText::parse(std::get<QString>(m_value)).has_value();
        } catch (const platform::RuntimeError&) {
            return true; // a number, only too large for a Double
        }
    default:
        return false;
    }
}

double Variant::toDouble() const
{
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        throw platform::RuntimeError(platform::InvalidUseOfNull);
    case VarType::Integer:
        return std::get<std::int16_t>(m_value);
    case VarType::Long:
        return std::get<std::int32_t>(m_value);
    case VarType::Single:
        return std::get<Single>(m_value).value;
    case VarType::Double:
        return std::get<double>(m_value);
    case VarType::Boolean:
        return std::get<Boolean>(m_value).value ? -1 : 0;
    case VarType::Byte:
        return std::get<Byte>(m_value).value;
    case VarType::Date:
        return dateValue::toSerial(std::get<QDateTime>(m_value));
    case VarType::String:
        return numberFromText(std::get<QString>(m_value));
    default:
        throw platform::RuntimeError(platform::TypeMismatch);
    }
}

float Variant::toSingle() const
{
    if (const auto* single = std::get_if<Single>(&m_value))
        return single->value;
    const double value = toDouble();
    if (std::fabs(value) > double(FLT_MAX))
        throw platform::RuntimeError(platform::Overflow);
    return float(value);
}

std::int16_t Variant::toInteger() const
{
    if (const auto* integer = std::get_if<std::int16_t>(&m_value))
        return *integer;
    return wholeNumber<std::int16_t>(toDouble());
}

std::int32_t Variant::toLong() const
{
    if (const auto* value = std::get_if<std::int32_t>(&m_value))
        return *value;
    return wholeNumber<std::int32_t>(toDouble());
}

std::uint8_t Variant::toByte() const
{
    // The runtime keeps the low byte of True: CByte(True) is 255.
    if (const auto* boolean = std::get_if<Boolean>(&m_value))
        return boolean->value ? 255 : 0;
    return wholeNumber<std::uint8_t>(toDouble());
}

bool Variant::toBoolean() const
{
    if (const auto* boolean = std::get_if<Boolean>(&m_value))
        return boolean->value;
    if (const auto* text = std::get_if<QString>(&m_value)) {
        const QString trimmed = text->trimmed();
        if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        return numberFromText(trimmed) != 0;
    }
    return toDouble() != 0;
}

QDateTime Variant::toDate() const
{
    if (const auto* date = std::get_if<QDateTime>(&m_value))
        return *date;
    if (const auto* text = std::get_if<QString>(&m_value)) {
        if (const auto date = dateValue::parse(*text))
            return *date;
    }
    return dateValue::fromSerial(toDouble());
}

QString Variant::toString() const
{
    switch (type()) {
    case VarType::Empty:
        return QString();
    case VarType::Null:
        throw platform::RuntimeError(platform::InvalidUseOfNull);
    case VarType::Integer:
        return QString::number(std::get<std::int16_t>(m_value));
    case VarType::Long:
        return QString::number(std::get<std::int32_t>(m_value));
    case VarType::Single:
        return numericText::format(std::get<Single>(m_value).value, 7);
    case VarType::Double:
        return numericText::format(std::get<double>(m_value), 15);
    case VarType::Boolean:
        return std::get<Boolean>(m_value).value ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Byte:
        return QString::number(std::get<Byte>(m_value).value);
    case VarType::Date:
        return dateValue::format(std::get<QDateTime>(m_value));
    case VarType::String:
        return std::get<QString>(m_value);
    case VarType::Error:
        return QStringLiteral("Error %1").arg(errorNumberOf(std::get<Missing>(m_value).scode));
    default:
        throw platform::RuntimeError(platform::TypeMismatch);
    }
}

std::shared_ptr<DispatchObject> Variant::toObject() const
{
    if (const auto* object = std::get_if<std::shared_ptr<DispatchObject>>(&m_value))
        return *object;
    throw platform::RuntimeError(platform::ObjectRequired);
}

std::int32_t Variant::errorCode() const
{
    if (const auto* error = std::get_if<Missing>(&m_value))
        return error->scode;
    throw platform::RuntimeError(platform::TypeMismatch);
}

Variant Variant::convertedTo(VarType target) const
{
    if (target == VarType::Variant || target == type())
        return *this;
    switch (target) {
    case VarType::Empty:
        return Variant();
    case VarType::Null:
        return null();
    case VarType::Integer:
        return fromInteger(toInteger());
    case VarType::Long:
        return fromLong(toLong());
    case VarType::Single:
        return fromSingle(toSingle());
    case VarType::Double:
        return fromDouble(toDouble());
    case VarType::Date:
        return fromDate(toDate());
    case VarType::String:
        return Variant(toString());
    case VarType::Boolean:
        return fromBoolean(toBoolean());
    case VarType::Byte:
        return fromByte(toByte());
    default:
        if (isNull())
            throw platform::RuntimeError(platform::InvalidUseOfNull);
        throw platform::RuntimeError(platform::TypeMismatch);
    }
}

Variant Variant::ownedCopy() const
{
    if (const auto* text = std::get_if<QString>(&m_value))
        return Variant(QString(text->constData(), text->size()));
    if (const auto* data = std::get_if<std::shared_ptr<ArrayData>>(&m_value)) {
        QList<Variant> elements;
        elements.reserve((*data)->elements.size());
        for (const Variant& element : (*data)->elements)
            elements.append(element.ownedCopy());
        return array(std::move(elements), (*data)->lowerBound, (*data)->elementType);
    }
    return *this;
}

const Variant::ArrayData& Variant::arrayData() const
{
    if (const auto* data = std::get_if<std::shared_ptr<ArrayData>>(&m_value))
        return **data;
    throw platform::RuntimeError(platform::TypeMismatch);
}

Variant::ArrayData& Variant::arrayData()
{
    auto* data = std::get_if<std::shared_ptr<ArrayData>>(&m_value);
    if (!data)
        throw platform::RuntimeError(platform::TypeMismatch);
    if (data->use_count() > 1)
        *data = std::make_shared<ArrayData>(**data);
    return **data;
}

const Variant& Variant::at(int index) const
{
    const ArrayData& data = arrayData();
    if (index < data.lowerBound || index > upperBound())
        throw platform::RuntimeError(platform::SubscriptOutOfRange);
    return data.elements[index - data.lowerBound];
}

QString Variant::displayText() const
{
    switch (type()) {
    case VarType::Null:
        return QStringLiteral("Null");
    case VarType::Object:
        return toObject() ? QStringLiteral("(Object)") : QStringLiteral("Nothing");
    case VarType::Array:
        return QStringLiteral("(Array)");
    default:
        return toString();
    }
}

bool operator==(const Variant& a, const Variant& b)
{
    if (a.m_value.index() != b.m_value.index())
        return false;
    if (const auto* data = std::get_if<std::shared_ptr<Variant::ArrayData>>(&a.m_value)) {
        const auto& other = std::get<std::shared_ptr<Variant::ArrayData>>(b.m_value);
        return (*data)->lowerBound == other->lowerBound && (*data)->elementType == other->elementType &&
               (*data)->elements == other->elements;
    }
    return a.m_value == b.m_value;
}

} // namespace automation
