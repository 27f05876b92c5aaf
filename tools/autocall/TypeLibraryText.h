#pragma once

#include <QString>

#include "automation/TypeInfo.h"

// The readable listing of a type library that autocall --typelib prints: the library, each
// class with its default interface, and one line per method, numbered by its place after the
// seven standard slots, in Basic's declaration syntax.
namespace typeLibraryText {

QString typeName(automation::VarType type);
QString methodLine(const automation::MethodInfo& method, int slot);
QString describe(const automation::LibraryInfo& library);

} // namespace typeLibraryText
