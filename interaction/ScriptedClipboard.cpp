#include "interaction/ScriptedClipboard.h"

#include "automation/Clipboard.h"
#include "platform/RuntimeError.h"

namespace interaction {

namespace {

constexpr int cannotOpenClipboard = 521;

} // namespace

ScriptedClipboard::ScriptedClipboard()
{
    automation::Clipboard::install({
        [this] {
            answer(QStringLiteral("GetText"));
            return m_text;
        },
        [this](const QString& text) {
            answer(QStringLiteral("SetText ") + text);
            m_text = text;
        },
        [this] {
            answer(QStringLiteral("Clear"));
            m_text.clear();
        },
    });
}

ScriptedClipboard::~ScriptedClipboard()
{
    automation::Clipboard::install({});
}

void ScriptedClipboard::hold(const QString& text)
{
    m_text = text;
}

void ScriptedClipboard::setUnreachable(bool unreachable)
{
    m_unreachable = unreachable;
}

void ScriptedClipboard::answer(const QString& call)
{
    m_calls.append(call);
    if (m_unreachable)
        throw platform::RuntimeError(cannotOpenClipboard);
}

} // namespace interaction
