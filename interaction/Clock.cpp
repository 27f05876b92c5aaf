#include "interaction/Clock.h"

namespace interaction {

Clock::~Clock() = default;

} // namespace interaction
