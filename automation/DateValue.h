#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

// The runtime's Date: a Double counting days from 30/12/1899, the fraction being the time of day
// (for days before that date the fraction still counts forward into the day).
namespace automation::dateValue {

double toSerial(const QDateTime& value);
// Raises 6 (Overflow) outside 1/1/100 to 31/12/9999.
QDateTime fromSerial(double serial);

// "dd/mm/yyyy hh:nn:ss"; the date alone at midnight, the time alone on 30/12/1899.
QString format(const QDateTime& value);
// Reads "d/m/yyyy", "yyyy-mm-dd", either followed by a time "h:mm" or "h:mm:ss" (blank or "T"
// between), or a time alone (on 30/12/1899). Empty when the text is no date.
std::optional<QDateTime> parse(const QString& text);

} // namespace automation::dateValue
