#include "fuzz/CardImportCheck.h"
#include "fuzz/Checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::runCheck(&fuzz::checkCardImport, data, size);
}
