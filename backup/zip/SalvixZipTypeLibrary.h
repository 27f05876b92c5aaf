#pragma once

#include "automation/TypeInfo.h"

// The type library of SalvixZip as data: library, the two classes and their interfaces.
namespace salvixzip {

const automation::LibraryInfo& salvixZipLibrary();
const automation::InterfaceInfo& compressorInterface();
const automation::InterfaceInfo& decompressorInterface();

} // namespace salvixzip
