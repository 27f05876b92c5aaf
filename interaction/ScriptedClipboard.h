#pragma once

#include <QString>
#include <QStringList>

namespace interaction {

// The clipboard for tests, installed as the runtime's Clipboard for the object's lifetime: it
// holds one text, records every call in order ("GetText", "SetText <text>", "Clear") and can be
// made unreachable, as when another program keeps the clipboard open (521).
class ScriptedClipboard {
public:
    ScriptedClipboard();
    ~ScriptedClipboard();
    ScriptedClipboard(const ScriptedClipboard&) = delete;
    ScriptedClipboard& operator=(const ScriptedClipboard&) = delete;

    // What another program put there; not recorded.
    void hold(const QString& text);
    void setUnreachable(bool unreachable);

    const QString& text() const { return m_text; }
    const QStringList& calls() const { return m_calls; }

private:
    void answer(const QString& call);

    QString m_text;
    QStringList m_calls;
    bool m_unreachable = false;
};

} // namespace interaction
