#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include <QDateTime>
#include <QList>
#include <QString>

namespace automation {

class DispatchObject;

// The runtime's variant types, with their automation numbers.
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Date = 7,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    Variant = 12,
    Byte = 17,
    Array = 0x2000,
};

// An automation Variant. Conversions follow the runtime's rules: numeric text becomes a number,
// a value out of range raises 6 (Overflow), a non-number where a number is needed raises 13
// (Type mismatch), Null where a value is needed raises 94 (Invalid use of Null). Whole-number
// conversions round half to even, as the runtime does.
class Variant {
public:
    struct ArrayData {
        int lowerBound = 1;
        VarType elementType = VarType::Variant;
        QList<Variant> elements;
    };

    Variant() = default; // Empty
    Variant(const QString& text);
    Variant(const char16_t* text);
    Variant(std::shared_ptr<DispatchObject> object);

    static Variant null();
    static Variant missing(); // the Error value of an optional argument left out
    static Variant fromInteger(std::int16_t value);
    static Variant fromLong(std::int32_t value);
    static Variant fromSingle(float value);
    static Variant fromDouble(double value);
    static Variant fromBoolean(bool value);
    static Variant fromByte(std::uint8_t value);
    static Variant fromDate(const QDateTime& value);
    static Variant fromError(std::int32_t scode);
    // A one-dimensional array; an array "never given any element" has no elements and an
    // upper bound below its lower bound.
    static Variant array(QList<Variant> elements, int lowerBound = 1, VarType elementType = VarType::Variant);

    VarType type() const; // VarType::Array for every array
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isMissing() const;
    bool isArray() const { return type() == VarType::Array; }
    bool isObject() const { return type() == VarType::Object; }
    bool isNumeric() const;

    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    bool toBoolean() const;
    std::uint8_t toByte() const;
    QDateTime toDate() const;
    // CStr: Empty gives "", Null raises 94, True gives "True", a Date "dd/mm/yyyy hh:nn:ss" (the
    // date alone at midnight, the time alone on 30/12/1899), an Error "Error 448".
    QString toString() const;
    std::shared_ptr<DispatchObject> toObject() const; // 424 when not an object
    std::int32_t errorCode() const;

    // Converts to a declared parameter or result type; VarType::Variant keeps the value.
    Variant convertedTo(VarType type) const;
    // A copy whose texts own their characters, so that it outlives the library that made it.
    Variant ownedCopy() const;

    // Arrays.
    const ArrayData& arrayData() const; // 13 when not an array
    ArrayData& arrayData();
    int lowerBound() const { return arrayData().lowerBound; }
    int upperBound() const { return arrayData().lowerBound + int(arrayData().elements.size()) - 1; }
    const Variant& at(int index) const; // 9 (Subscript out of range) outside the bounds

    // The text the runtime prints for the value: True/False, Null as "Null", numbers in plain
    // decimal form; an object reads "(Object)" ("Nothing" when empty), an array "(Array)".
    QString displayText() const;

    friend bool operator==(const Variant& a, const Variant& b);

private:
    struct Missing {
        std::int32_t scode;
        bool operator==(const Missing&) const = default;
    };
    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    struct Byte {
        std::uint8_t value;
        bool operator==(const Byte&) const = default;
    };
    struct Boolean {
        bool value;
        bool operator==(const Boolean&) const = default;
    };
    struct Single {
        float value;
        bool operator==(const Single&) const = default;
    };
    using Storage =
        std::variant<std::monostate, NullValue, std::int16_t, std::int32_t, Single, double, QDateTime, QString,
                     std::shared_ptr<DispatchObject>, Missing, Boolean, Byte, std::shared_ptr<ArrayData>>;
    explicit Variant(Storage storage) : m_value(std::move(storage)) {}
    Storage m_value;
};

} // namespace automation
