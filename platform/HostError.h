#pragma once

#include "platform/RuntimeError.h"

// The runtime's error numbers for failures of host calls.
namespace platform::hostError {

// 53 missing file, 76 missing folder, 75 access refused, 61 disk full, 67 too many files,
// 57 anything else.
int numberFor(int errnoValue, int whenMissing = 53);

[[noreturn]] void raise(int errnoValue, int whenMissing = 53);

} // namespace platform::hostError
