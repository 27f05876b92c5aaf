#include "interaction/KeyState.h"

namespace interaction
{

KeyState::~KeyState() = default;

} // namespace interaction
