#pragma once

#include "automation/TypeInfo.h"

// The type library of Utilex, the first version: its own identity over the rows of Utilex4's
// method table that it shares.
namespace utilex::first {

const automation::LibraryInfo& utilexLibrary();
const automation::ClassInfo& utilexClassInfo();
const automation::InterfaceInfo& utilexInterface();

} // namespace utilex::first
