#pragma once

#include <cstdint>

#include <QString>

// The text rules of the grid commands.
namespace grid {

// Walks text from its start, finding part again from one character after each find; every find
// adds the length of part (so a one-character part counts its occurrences). 6 (Overflow) past the
// range of an Integer.
std::int16_t CountText(const QString& text, const QString& part);

// The first character in upper case and the rest in lower case, one character at a time, so the
// length never changes.
QString CapitalizeText(const QString& s);

// The runtime's Trim: blanks (spaces) removed at both ends, nothing else.
QString trimmedBlanks(const QString& text);

// The cell text changed by a format code of GridSelFormat: 1 upper case, 2 lower case,
// 3 CapitalizeText, 4 empty, 5 blanks trimmed at both ends; any other code changes nothing.
QString formattedText(const QString& text, int formatType);

} // namespace grid
