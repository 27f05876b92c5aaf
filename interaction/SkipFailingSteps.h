#pragma once

#include "interaction/Procedure.h"

namespace interaction {

// "On Error Resume Next": a failing step is skipped silently and the next one runs.
class SkipFailingSteps : public Procedure {
public:
    bool step(const std::function<void()>& statement) override;
};

} // namespace interaction
