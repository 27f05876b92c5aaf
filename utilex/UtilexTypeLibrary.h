#pragma once

#include "automation/TypeInfo.h"

// The type library of Utilex4 as data: library, class, interface and every method in slot order.
namespace utilex {

const automation::LibraryInfo& utilexLibrary();
const automation::ClassInfo& utilexClassInfo();
const automation::InterfaceInfo& utilexInterface();

} // namespace utilex
