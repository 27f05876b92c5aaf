#pragma once

#include <functional>

#include <QString>

#include "interaction/Procedure.h"
#include "interaction/Prompter.h"

namespace platform {
class RuntimeError;
}

namespace interaction {

// Traps every error of a step and asks what to do: through the error dialog with the
// procedure's name, or through the procedure's own questions. Retry runs the step again (as
// often as asked), Ignore goes on after it, Abort or any other answer leaves the procedure
// after releasing what it holds.
class TrapAndAsk : public Procedure {
public:
    using Ask = std::function<Answer(const platform::RuntimeError& error)>;

    explicit TrapAndAsk(QString procedureName);
    // A procedure that answers its errors with its own messages instead of the error dialog.
    explicit TrapAndAsk(Ask ask);

    // Runs when the procedure is left through the dialog; its own errors are skipped.
    TrapAndAsk& onAbort(std::function<void()> release);

    bool step(const std::function<void()>& statement) override;

private:
    Ask m_ask;
    std::function<void()> m_release;
};

} // namespace interaction
