#pragma once

#include <vector>

#include "automation/TypedDispatch.h"
#include "backup/zip/SalvixZip.h"

namespace salvixzip {

// One thunk per method of each interface, in slot order.
std::vector<automation::TypedDispatch::Thunk> compressorThunks(_Compressor& object);
std::vector<automation::TypedDispatch::Thunk> decompressorThunks(_Decompressor& object);

} // namespace salvixzip
