#include "interaction/KeyState.h"

namespace interaction {

KeyState::~KeyState() = default;

void KeyState::forgetEarlierPresses(Key) {}

} // namespace interaction
