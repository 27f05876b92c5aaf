#include "common/Val.h"

#include "platform/RuntimeError.h"

#include <QLocale>
#include <cmath>
#include <cstdint>

namespace explorer {

namespace {

constexpr int overflow = 6;

QString withoutBlanks(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            kept.append(c);
    }
    return kept;
}

int digitValue(QChar c, int base)
{
    const int value = c.isDigit() ? c.digitValue()
                      : (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'))
                          ? c.toUpper().unicode() - u'A' + 10
                          : -1;
    return value >= 0 && value < base ? value : -1;
}

double radixNumber(const QString& digits, int base)
{
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > 0xFFFFFFFFu)
            throw platform::RuntimeError(overflow);
    }
    if (value <= 0xFFFFu)
        return double(std::int16_t(std::uint16_t(value)));
    return double(std::int32_t(std::uint32_t(value)));
}

int countDigits(const QString& text, int from)
{
    int count = 0;
    while (from + count < text.size() && text[from + count].isDigit() && text[from + count].unicode() < 128)
        ++count;
    return count;
}

} // namespace

double Val(const QString& text)
{
    const QString compact = withoutBlanks(text);
    if (compact.startsWith(QLatin1Char('&'))) {
        const QChar radix = compact.size() > 1 ? compact[1].toUpper() : QChar();
        if (radix == QLatin1Char('H'))
            return radixNumber(compact.mid(2), 16);
        if (radix == QLatin1Char('O'))
            return radixNumber(compact.mid(2), 8);
        return 0;
    }
    int end = 0;
    if (end < compact.size() && (compact[end] == QLatin1Char('+') || compact[end] == QLatin1Char('-')))
        ++end;
    const int whole = countDigits(compact, end);
    end += whole;
    int fraction = 0;
    if (end < compact.size() && compact[end] == QLatin1Char('.')) {
        fraction = countDigits(compact, end + 1);
        end += 1 + fraction;
    }
    if (whole + fraction == 0)
        return 0;
    QString number = compact.left(end);
    if (end < compact.size() && QStringLiteral("EeDd").contains(compact[end])) {
        int exponentEnd = end + 1;
        if (exponentEnd < compact.size() &&
            (compact[exponentEnd] == QLatin1Char('+') || compact[exponentEnd] == QLatin1Char('-')))
            ++exponentEnd;
        const int exponentDigits = countDigits(compact, exponentEnd);
        if (exponentDigits > 0)
            number += QLatin1Char('e') + compact.mid(end + 1, exponentEnd - end - 1 + exponentDigits);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (std::isinf(value))
        throw platform::RuntimeError(overflow);
    // A magnitude too small for a Double reads as 0.
    return ok ? value : 0.0;
}

} // namespace explorer
