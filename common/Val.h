#pragma once

#include <QString>

namespace common {

// The runtime's Val: the number at the start of the text, 0 when there is none. Blanks, tabs and
// line feeds anywhere are ignored; "&H" and "&O" read hexadecimal and octal whole numbers (16-bit
// two's complement up to &HFFFF, 32-bit above). Raises 6 (Overflow) beyond the range of a Double
// or of a Long for "&H" and "&O".
double Val(const QString& text);

} // namespace common
