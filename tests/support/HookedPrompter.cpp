#include "tests/support/HookedPrompter.h"

#include <utility>

void HookedPrompter::runBeforeNext()
{
    if (m_beforeNext)
        std::exchange(m_beforeNext, {})();
}

interaction::Answer HookedPrompter::message(const interaction::MessageBox& box)
{
    runBeforeNext();
    const auto action = m_atMessage.find(++m_messages);
    if (action != m_atMessage.end())
        action->second();
    return m_inner.message(box);
}

QString HookedPrompter::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    runBeforeNext();
    return m_inner.input(prompt, title, defaultText);
}
