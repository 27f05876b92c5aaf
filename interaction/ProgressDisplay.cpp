#include "interaction/ProgressDisplay.h"

namespace interaction {

ProgressDisplay::~ProgressDisplay() = default;

} // namespace interaction
