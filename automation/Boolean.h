#pragma once

#include <cstdint>

namespace automation {

// The automation Boolean as it travels through a dual interface: true is -1, false is 0, and an
// early-bound caller may pass any other value.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

inline Boolean toBoolean(bool value)
{
    return value ? True : False;
}

} // namespace automation
