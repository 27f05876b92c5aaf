#include "interaction/TrapAndAsk.h"

#include <utility>

#include "interaction/ErrorDialog.h"
#include "platform/RuntimeError.h"

namespace interaction {

TrapAndAsk::TrapAndAsk(QString procedureName)
    : m_ask([procedureName = std::move(procedureName)](const platform::RuntimeError& error) {
          QString description = error.description();
          return ShowErrorDialog(procedureName, float(error.number()), description);
      })
{
}

TrapAndAsk::TrapAndAsk(Ask ask) : m_ask(std::move(ask)) {}

TrapAndAsk& TrapAndAsk::onAbort(std::function<void()> release)
{
    m_release = std::move(release);
    return *this;
}

bool TrapAndAsk::step(const std::function<void()>& statement)
{
    if (left())
        return false;
    for (;;) {
        Answer answer = Answer::None;
        try {
            statement();
            return true;
        } catch (const platform::RuntimeError& error) {
            answer = m_ask(error);
        }
        if (answer == Answer::Retry)
            continue;
        if (answer == Answer::Ignore)
            return true;
        leave();
        if (m_release) {
            try {
                m_release();
            } catch (const platform::RuntimeError&) {
            }
        }
        return false;
    }
}

} // namespace interaction
