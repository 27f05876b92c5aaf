#include "interaction/LetItReachCaller.h"

namespace interaction {

bool LetItReachCaller::step(const std::function<void()>& statement)
{
    statement();
    return true;
}

} // namespace interaction
