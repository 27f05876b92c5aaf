#include "fuzz/Checks.h"
#include "fuzz/SalvixExtractCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::runCheck(&fuzz::checkSalvixExtract, data, size);
}
