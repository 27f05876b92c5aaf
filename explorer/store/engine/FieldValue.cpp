#include "explorer/store/engine/FieldValue.h"

#include <limits>

#include "automation/DateValue.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/SqliteStatement.h"

namespace store::fieldValue {

namespace {

using automation::Variant;
using Storage = RowCache::Storage;

const QString storedDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

Variant dateFromSerial(double serial)
{
    try {
        return Variant::fromDate(automation::dateValue::fromSerial(serial));
    } catch (const platform::RuntimeError&) {
        return Variant::fromDouble(serial);
    }
}

Variant fromInteger(qint64 value, FieldType type)
{
    switch (type) {
    case dbBoolean:
        return Variant::fromBoolean(value != 0);
    case dbByte:
        if (value >= 0 && value <= 255)
            return Variant::fromByte(std::uint8_t(value));
        break;
    case dbInteger:
        if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max())
            return Variant::fromInteger(std::int16_t(value));
        break;
    case dbSingle:
        return Variant::fromSingle(float(value));
    case dbDouble:
    case dbCurrency:
        return Variant::fromDouble(double(value));
    case dbDate:
        return dateFromSerial(double(value));
    case dbText:
    case dbMemo:
        return Variant(QString::number(value));
    case dbLong:
        break;
    }
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Variant::fromLong(std::int32_t(value));
    return Variant::fromDouble(double(value));
}

Variant fromReal(double value, FieldType type)
{
    switch (type) {
    case dbBoolean:
        return Variant::fromBoolean(value != 0.0);
    case dbSingle:
        return Variant::fromSingle(float(value));
    case dbDate:
        return dateFromSerial(value);
    case dbText:
    case dbMemo:
        return Variant(QString::number(value, 'g', 17));
    default:
        return Variant::fromDouble(value);
    }
}

Variant fromText(const QString& text, FieldType type)
{
    if (type == dbDate) {
        const QDateTime date = QDateTime::fromString(text, storedDateFormat);
        if (date.isValid())
            return Variant::fromDate(date);
        const std::optional<QDateTime> parsed = automation::dateValue::parse(text);
        if (parsed)
            return Variant::fromDate(*parsed);
    }
    return Variant(text);
}

Variant converted(const Variant& value, FieldType type)
{
    switch (type) {
    case dbBoolean:
        return Variant::fromBoolean(value.toBoolean());
    case dbByte:
        return Variant::fromByte(value.toByte());
    case dbInteger:
        return Variant::fromInteger(value.toInteger());
    case dbLong:
        return Variant::fromLong(value.toLong());
    case dbSingle:
        return Variant::fromSingle(value.toSingle());
    case dbDouble:
    case dbCurrency:
        return Variant::fromDouble(value.toDouble());
    case dbDate:
        return Variant::fromDate(value.toDate());
    case dbText:
    case dbMemo:
        return Variant(value.toString());
    }
    return value;
}

} // namespace

Variant fromCell(const RowCache& rows, int row, int column, FieldType type)
{
    const Storage storage = rows.storage(row, column);
    if (storage == Storage::Text && type != dbDate)
        return Variant(rows.text(row, column));
    switch (storage) {
    case Storage::Null:
        return Variant::null();
    case Storage::Integer:
        return fromInteger(rows.integer(row, column), type);
    case Storage::Real:
        return fromReal(rows.real(row, column), type);
    case Storage::Text:
        return fromText(rows.text(row, column), type);
    }
    return Variant::null();
}

Variant toColumn(const Variant& value, FieldType type)
{
    if (value.isNull() || value.isEmpty())
        return Variant::null();
    try {
        return converted(value, type);
    } catch (const platform::RuntimeError&) {
        throw engineError::make(engineError::ConversionError);
    }
}

void bind(SqliteStatement& statement, int index, const Variant& value)
{
    switch (value.type()) {
    case automation::VarType::Empty:
    case automation::VarType::Null:
        statement.bindNull(index);
        return;
    case automation::VarType::Boolean:
        statement.bindInteger(index, value.toBoolean() ? -1 : 0);
        return;
    case automation::VarType::Byte:
    case automation::VarType::Integer:
    case automation::VarType::Long:
        statement.bindInteger(index, value.toLong());
        return;
    case automation::VarType::Single:
    case automation::VarType::Double:
        statement.bindDouble(index, value.toDouble());
        return;
    case automation::VarType::Date:
        statement.bindText(index, value.toDate().toString(storedDateFormat));
        return;
    default:
        statement.bindText(index, value.toString());
        return;
    }
}

ColumnType inferredType(const RowCache& rows, int column)
{
    for (int row = 0; row < rows.rowCount(); ++row) {
        switch (rows.storage(row, column)) {
        case Storage::Null:
            continue;
        case Storage::Integer: {
            const qint64 value = rows.integer(row, column);
            const bool fitsLong =
                value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
            return fitsLong ? ColumnType{dbLong, storageSize(dbLong)} : ColumnType{dbDouble, storageSize(dbDouble)};
        }
        case Storage::Real:
            return {dbDouble, storageSize(dbDouble)};
        case Storage::Text:
            return {dbText, storageSize(dbText)};
        }
    }
    return {dbText, storageSize(dbText)};
}

} // namespace store::fieldValue
