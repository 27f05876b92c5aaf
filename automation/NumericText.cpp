#include "automation/NumericText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation::numericText {

namespace {

// Whole: every character must be a digit and there must be one; otherwise the digits up to the
// first that is none are read.
std::optional<double> parseRadix(const std::string& digits, int radix, bool whole)
{
    if (whole && digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) {
            if (whole)
                return std::nullopt;
            break;
        }
        value = value * std::uint64_t(radix) + std::uint64_t(digit);
        if (value > 0xFFFFFFFFull)
            throw platform::RuntimeError(platform::Overflow);
    }
    if (value <= 0xFFFF)
        return double(std::int16_t(std::uint16_t(value)));
    return double(std::int32_t(std::uint32_t(value)));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Checks the decimal grammar and writes it in the form std::from_chars reads; empty when the text
// (or, when not whole, its start) is no number.
std::optional<std::string> normalisedDecimal(const std::string& text, long& decimalExponent, bool whole)
{
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    int integerDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        out += text[i++];
        ++mantissaDigits;
        ++integerDigits;
    }
    if (i < text.size() && text[i] == '.') {
        out += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    long exponent = 0;
    const std::size_t mantissaLength = out.size();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        out += 'e';
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            out += text[i++];
        }
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            out += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            if (whole)
                return std::nullopt;
            out.resize(mantissaLength);
        }
        if (negative)
            exponent = -exponent;
    }
    if (whole && i != text.size())
        return std::nullopt;
    decimalExponent = exponent + integerDigits;
    return out;
}

std::optional<double> parseAscii(const std::string& ascii, bool whole)
{
    if (ascii.size() >= 2 && ascii[0] == '&') {
        if (ascii[1] == 'h' || ascii[1] == 'H')
            return parseRadix(ascii.substr(2), 16, whole);
        if (ascii[1] == 'o' || ascii[1] == 'O')
            return parseRadix(ascii.substr(2), 8, whole);
        return std::nullopt;
    }
    long decimalExponent = 0;
    const auto normalised = normalisedDecimal(ascii, decimalExponent, whole);
    if (!normalised)
        return std::nullopt;
    double value = 0;
    const char* begin = normalised->data();
    const char* end = begin + normalised->size();
    const auto [last, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is the runtime's platform::Overflow.
        if (decimalExponent <= 0)
            return 0.0;
        throw platform::RuntimeError(platform::Overflow);
    }
    if (error != std::errc() || last != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (QChar c : trimmed)
        if (c.unicode() > 0x7F)
            return std::nullopt;
    return parseAscii(trimmed.toStdString(), true);
}

double parseLeading(const QString& text)
{
    // No character beyond ASCII belongs to a number.
    qsizetype length = 0;
    while (length < text.size() && text[length].unicode() <= 0x7F)
        ++length;
    return parseAscii(text.left(length).toStdString(), false).value_or(0.0);
}

QString format(double value, int significantDigits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-1.#INF") : QStringLiteral("1.#INF");
    if (value == 0)
        return QStringLiteral("0");

    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
    const std::string scientific(buffer, result.ptr);
    const std::size_t exponentAt = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(exponentAt + 1));
    const bool negative = scientific[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < exponentAt; ++i)
        if (isDigit(scientific[i]))
            digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= significantDigits || exponent < -4) {
        text += digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (digits.size() <= std::size_t(exponent) + 1) {
        text += digits + std::string(std::size_t(exponent) + 1 - digits.size(), '0');
    } else {
        text += digits.substr(0, std::size_t(exponent) + 1) + '.' + digits.substr(std::size_t(exponent) + 1);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace automation::numericText
