#pragma once

#include <optional>

#include <QString>

// Numbers as the runtime reads and writes them in text, independent of the host's locale.
namespace automation::numericText {

// Reads numeric text: blanks around it, an optional sign, digits with "." as the decimal point,
// an exponent (E or D), or "&H" (hexadecimal) / "&O" (octal) whole numbers, which read as 16-bit
// two's complement up to &HFFFF and as 32-bit up to &HFFFFFFFF. Empty when the text is no
// number; raises 6 (Overflow) when it is a number beyond the range of a Double.
std::optional<double> parse(const QString& text);

// The number at the start of the text, in the same grammar without the blanks around it: the
// longest prefix that reads as a number (an exponent without digits is left out, "&H" and "&O"
// stop at the first character that is no digit of theirs); 0 when there is none. Raises 6 as
// parse does.
double parseLeading(const QString& text);

// Plain decimal form with at most that many significant digits; the exponent form ("1E+20",
// "1.5E-07") from that many digits before the point on, and below 0.0001.
QString format(double value, int significantDigits);

} // namespace automation::numericText
