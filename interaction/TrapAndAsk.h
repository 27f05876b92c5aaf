#pragma once

#include <functional>

#include <QString>

#include "interaction/Procedure.h"

namespace interaction {

// Traps every error of a step and asks through the error dialog with the procedure's name:
// Retry runs the step again (as often as asked), Ignore goes on after it, Abort or any other
// answer leaves the procedure after releasing what it holds.
class TrapAndAsk : public Procedure {
public:
    explicit TrapAndAsk(QString procedureName);

    // Runs when the procedure is left through the dialog; its own errors are skipped.
    TrapAndAsk& onAbort(std::function<void()> release);

    bool step(const std::function<void()>& statement) override;

private:
    QString m_procedureName;
    std::function<void()> m_release;
};

} // namespace interaction
