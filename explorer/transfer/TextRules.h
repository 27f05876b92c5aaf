#pragma once

#include <QString>

// The runtime's small text rules the card files and the model imports rely on.
namespace transfer {

// Trim: leading and trailing blanks (spaces only) removed.
QString trimBlanks(const QString& text);

// The number at the start of a text: blanks anywhere are ignored, then an optional sign, digits
// and a point as decimal separator, up to the first character that does not fit; 0 when the
// text holds no number at its start.
double numericValueOf(const QString& text);

} // namespace transfer
