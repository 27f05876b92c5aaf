#pragma once

#include "interaction/Procedure.h"

namespace interaction {

// No handler: an error of a step leaves the procedure and reaches its caller.
class LetItReachCaller : public Procedure {
public:
    bool step(const std::function<void()>& statement) override;
};

} // namespace interaction
