#pragma once

#include <functional>
#include <map>

#include "interaction/CopyProgress.h"
#include "interaction/Prompter.h"

// Hands every prompt to another prompter (the scripted one), first running the action a test set
// for it, as if the user did something while the box was open.
class HookedPrompter : public interaction::Prompter {
public:
    explicit HookedPrompter(interaction::Prompter& inner) : m_inner(inner) {}

    // Runs the action when the n-th message box opens (1 is the first).
    void atMessage(int n, std::function<void()> action) { m_atMessage[n] = std::move(action); }
    // Runs the action when the next message or input box opens.
    void beforeNextPrompt(std::function<void()> action) { m_beforeNext = std::move(action); }

    interaction::Answer message(const interaction::MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const interaction::FileDialog& dialog) override { return m_inner.openFile(dialog); }
    QString saveFile(const interaction::FileDialog& dialog) override { return m_inner.saveFile(dialog); }
    QString browseForFolder(void* owner, const QString& instruction) override
    {
        return m_inner.browseForFolder(owner, instruction);
    }
    int formatDrive(void* owner, int drive) override { return m_inner.formatDrive(owner, drive); }
    std::unique_ptr<interaction::CopyProgress> copyProgress(void* owner, const QString& from,
                                                            const QString& to) override
    {
        return m_inner.copyProgress(owner, from, to);
    }
    bool confirmReplace(void* owner, const QString& existing) override
    {
        return m_inner.confirmReplace(owner, existing);
    }
    using interaction::Prompter::message;

private:
    void runBeforeNext();

    interaction::Prompter& m_inner;
    std::map<int, std::function<void()>> m_atMessage;
    std::function<void()> m_beforeNext;
    int m_messages = 0;
};
