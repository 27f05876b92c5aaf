#include "automation/DateValue.h"

#include <cmath>

#include <QRegularExpression>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation::dateValue {

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr double firstSerial = -657434.0;    // 1/1/100
constexpr double lastSerial = 2958465.99999; // 31/12/9999 23:59:59

QDate epoch()
{
    return QDate(1899, 12, 30);
}

} // namespace

double toSerial(const QDateTime& value)
{
    const double days = double(epoch().daysTo(value.date()));
    const double fraction = double(value.time().msecsSinceStartOfDay()) / (1000.0 * secondsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime fromSerial(double serial)
{
    if (!(serial >= firstSerial && serial <= lastSerial + 0.00001))
        throw platform::RuntimeError(platform::Overflow);
    const double days = std::trunc(serial);
    qint64 seconds = std::llround(std::fabs(serial - days) * secondsPerDay);
    qint64 wholeDays = qint64(days);
    if (seconds >= secondsPerDay) {
        seconds -= secondsPerDay;
        ++wholeDays;
    }
    return QDateTime(epoch().addDays(wholeDays), QTime(0, 0).addSecs(int(seconds)));
}

QString format(const QDateTime& value)
{
    const bool midnight = value.time() == QTime(0, 0);
    if (value.date() == epoch() && !midnight)
        return value.time().toString(QStringLiteral("HH:mm:ss"));
    const QString date = value.date().toString(QStringLiteral("dd/MM/yyyy"));
    if (midnight)
        return date;
    return date + QLatin1Char(' ') + value.time().toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QDateTime> parse(const QString& text)
{
    static const QString time = QStringLiteral("(\\d{1,2}):(\\d{2})(?::(\\d{2}))?");
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:(?:(\\d{1,2})/(\\d{1,2})/"
                       "(\\d{4})|(\\d{4})-(\\d{1,2})-(\\d{1,2}))(?:(?:\\s+|T)%1)?|%1)\\s*$")
            .arg(time));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QDate date = epoch();
    if (match.hasCaptured(3))
        date = QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    else if (match.hasCaptured(4))
        date = QDate(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    // The time is in groups 7 to 9 after a date, 10 to 12 alone.
    const int timeGroup = match.hasCaptured(7) ? 7 : 10;
    QTime clock(0, 0);
    if (match.hasCaptured(timeGroup))
        clock = QTime(match.captured(timeGroup).toInt(), match.captured(timeGroup + 1).toInt(),
                      match.hasCaptured(timeGroup + 2) ? match.captured(timeGroup + 2).toInt() : 0);
    if (!date.isValid() || !clock.isValid())
        return std::nullopt;
    return QDateTime(date, clock);
}

} // namespace automation::dateValue
