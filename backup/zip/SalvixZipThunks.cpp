#include "backup/zip/SalvixZipThunks.h"

#include "automation/MethodThunk.h"
#include "backup/zip/SalvixZipTypeLibrary.h"

namespace salvixzip {

std::vector<automation::TypedDispatch::Thunk> compressorThunks(_Compressor& object)
{
    const auto& methods = compressorInterface().methods;
    std::size_t slot = 0;
    // Braced lists evaluate in order, so each thunk meets its own row of the type table.
    const auto next = [&](auto method) { return automation::methodThunk(object, methods.at(slot++), method); };
    return {
        next(&_Compressor::SetArchive), next(&_Compressor::SetSpanning), next(&_Compressor::AddFile),
        next(&_Compressor::Finish),     next(&_Compressor::ErrorText),
    };
}

std::vector<automation::TypedDispatch::Thunk> decompressorThunks(_Decompressor& object)
{
    const auto& methods = decompressorInterface().methods;
    std::size_t slot = 0;
    const auto next = [&](auto method) { return automation::methodThunk(object, methods.at(slot++), method); };
    return {
        next(&_Decompressor::SetArchive),        next(&_Decompressor::SetOverwrite),
        next(&_Decompressor::SetRestoreFolders), next(&_Decompressor::SetBaseFolder),
        next(&_Decompressor::Extract),           next(&_Decompressor::ErrorText),
    };
}

} // namespace salvixzip
