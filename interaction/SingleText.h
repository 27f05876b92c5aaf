#pragma once

#include <QString>

namespace interaction {

// A 32-bit float as the runtime prints it: seven significant digits at most, whole numbers up
// to seven digits plainly, larger and tiny magnitudes in exponent form ("1.234568E+08"), and
// no zero before the decimal point (".5").
QString singleText(float value);

} // namespace interaction
