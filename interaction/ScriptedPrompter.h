#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>

#include <QList>
#include <QString>
#include <QStringList>

#include "interaction/Prompter.h"
#include "interaction/TextMatcher.h"
#include "platform/RuntimeError.h"

namespace interaction {

// A Prompter for tests: answers from a script, in order, and records every prompt. A prompt the
// script does not expect, an answer that is no button of its box and scripted answers left at
// the end are failures; they go to the failure handler, which by default throws ScriptError.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Format, Replace };

    // One prompt as it was put. `text` is what a script matches: the message text, the input
    // prompt, the folder instruction, the title of a file dialog, or the file a copy would replace.
    struct Prompt {
        Kind kind = Kind::Message;
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        DefaultButton defaultButton = DefaultButton::First;
        QString defaultText;
        QList<FileFilter> filters;
        QString initialFolder;
        void* owner = nullptr;
        int drive = -1;
    };

    // Deliberately not a platform::RuntimeError: no error-handling style traps it.
    class ScriptError : public std::logic_error {
    public:
        using std::logic_error::logic_error;
    };

    using FailureHandler = std::function<void(const QString& failure)>;

    explicit ScriptedPrompter(FailureHandler onFailure = {});
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // whileShown runs when the box is put, before it is answered: what the user does meanwhile.
    ScriptedPrompter& expectMessage(const TextMatcher& text, Answer answer, std::function<void()> whileShown = {});
    ScriptedPrompter& expectInput(const TextMatcher& prompt, const QString& reply);
    ScriptedPrompter& expectOpenFile(const TextMatcher& title, const QString& path);
    ScriptedPrompter& expectSaveFile(const TextMatcher& title, const QString& path);
    ScriptedPrompter& expectFolder(const TextMatcher& instruction, const QString& folder);
    // whileShown runs while the format dialog is up: the format itself, when a test wants one.
    ScriptedPrompter& expectFormat(int drive, int resultCode, std::function<void()> whileShown = {});
    ScriptedPrompter& expectReplace(const TextMatcher& existing, bool replace);
    // The next prompt, of this kind and text, raises `error` instead of being answered.
    ScriptedPrompter& expectFailure(Kind kind, const TextMatcher& text, const platform::RuntimeError& error);

    // A file copy shown with the shell's progress dialog, which the script lets run to its end.
    struct Copy {
        QString from;
        QString to;
    };

    const QList<Prompt>& prompts() const { return m_prompts; }
    const QList<Copy>& copies() const { return m_copies; }
    const QStringList& failures() const { return m_failures; }
    int remaining() const { return int(m_script.size()); }
    // Reports scripted answers that were never asked for.
    void verifyDone();

    Answer message(const MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const FileDialog& dialog) override;
    QString saveFile(const FileDialog& dialog) override;
    QString browseForFolder(void* owner, const QString& instruction) override;
    int formatDrive(void* owner, int drive) override;
    std::unique_ptr<CopyProgress> copyProgress(void* owner, const QString& from, const QString& to) override;
    bool confirmReplace(void* owner, const QString& existing) override;

    using Prompter::message;

private:
    struct Expectation {
        Kind kind;
        TextMatcher text;
        int drive = -1;
        Answer answer = Answer::None;
        QString reply;
        int resultCode = 0;
        std::optional<platform::RuntimeError> failure;
        std::function<void()> whileShown;
    };

    ScriptedPrompter& expect(Expectation expectation);
    // The matching expectation, taken off the script; nothing when the prompt was unexpected.
    std::optional<Expectation> take(const Prompt& prompt);
    QString fileDialog(Kind kind, const FileDialog& dialog);
    void fail(const QString& failure);
    static QString describe(const Expectation& expectation);
    QString leftOver() const;

    FailureHandler m_onFailure;
    std::deque<Expectation> m_script;
    QList<Prompt> m_prompts;
    QList<Copy> m_copies;
    QStringList m_failures;
    bool m_verified = false;
};

} // namespace interaction
