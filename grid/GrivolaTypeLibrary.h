#pragma once

#include "automation/TypeInfo.h"

// The type library of Grivola as data: library, class, interface and its 16 methods in slot order.
namespace grid {

const automation::LibraryInfo& grivolaLibrary();
const automation::ClassInfo& grivoClassInfo();
const automation::InterfaceInfo& grivoInterface();

} // namespace grid
