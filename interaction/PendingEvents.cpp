#include "interaction/PendingEvents.h"

namespace interaction {

PendingEvents::~PendingEvents() = default;

} // namespace interaction
