#include "interaction/ScriptedPrompter.h"

#include <exception>
#include <utility>

#include <QDebug>

#include "interaction/CopyProgress.h"

namespace interaction {

namespace {

QString kindName(ScriptedPrompter::Kind kind)
{
    switch (kind) {
    case ScriptedPrompter::Kind::Message:
        return QStringLiteral("message box");
    case ScriptedPrompter::Kind::Input:
        return QStringLiteral("input box");
    case ScriptedPrompter::Kind::OpenFile:
        return QStringLiteral("open-file dialog");
    case ScriptedPrompter::Kind::SaveFile:
        return QStringLiteral("save-file dialog");
    case ScriptedPrompter::Kind::Folder:
        return QStringLiteral("folder picker");
    case ScriptedPrompter::Kind::Format:
        return QStringLiteral("format dialog");
    case ScriptedPrompter::Kind::Replace:
        return QStringLiteral("replace question");
    }
    return {};
}

class RunToTheEnd : public CopyProgress {
public:
    bool advance(qint64, qint64) override { return true; }
};

QString promptName(const ScriptedPrompter::Prompt& prompt)
{
    if (prompt.kind == ScriptedPrompter::Kind::Format)
        return kindName(prompt.kind) + QStringLiteral(" for drive ") + QString::number(prompt.drive);
    return kindName(prompt.kind) + QStringLiteral(" \"") + prompt.text + QLatin1Char('"');
}

} // namespace

ScriptedPrompter::ScriptedPrompter(FailureHandler onFailure) : m_onFailure(std::move(onFailure))
{
    if (!m_onFailure)
        m_onFailure = [](const QString& failure) { throw ScriptError(failure.toStdString()); };
}

ScriptedPrompter::~ScriptedPrompter()
{
    if (m_verified || m_script.empty() || std::uncaught_exceptions() > 0)
        return;
    const QString failure = QStringLiteral("scripted prompts never asked: ") + leftOver();
    try {
        m_onFailure(failure);
    } catch (...) {
        qCritical().noquote() << failure;
    }
}

ScriptedPrompter& ScriptedPrompter::expect(Expectation expectation)
{
    m_script.push_back(std::move(expectation));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectMessage(const TextMatcher& text, Answer answer,
                                                  std::function<void()> whileShown)
{
    return expect({Kind::Message, text, -1, answer, {}, 0, {}, std::move(whileShown)});
}

ScriptedPrompter& ScriptedPrompter::expectInput(const TextMatcher& prompt, const QString& reply)
{
    return expect({Kind::Input, prompt, -1, Answer::None, reply, 0, {}, {}});
}

ScriptedPrompter& ScriptedPrompter::expectOpenFile(const TextMatcher& title, const QString& path)
{
    return expect({Kind::OpenFile, title, -1, Answer::None, path, 0, {}, {}});
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(const TextMatcher& title, const QString& path)
{
    return expect({Kind::SaveFile, title, -1, Answer::None, path, 0, {}, {}});
}

ScriptedPrompter& ScriptedPrompter::expectFolder(const TextMatcher& instruction, const QString& folder)
{
    return expect({Kind::Folder, instruction, -1, Answer::None, folder, 0, {}, {}});
}

ScriptedPrompter& ScriptedPrompter::expectFormat(int drive, int resultCode, std::function<void()> whileShown)
{
    return expect({Kind::Format, TextMatcher::any(), drive, Answer::None, {}, resultCode, {}, std::move(whileShown)});
}

ScriptedPrompter& ScriptedPrompter::expectReplace(const TextMatcher& existing, bool replace)
{
    return expect({Kind::Replace, existing, -1, replace ? Answer::Yes : Answer::No, {}, 0, {}, {}});
}

ScriptedPrompter& ScriptedPrompter::expectFailure(Kind kind, const TextMatcher& text,
                                                  const platform::RuntimeError& error)
{
    return expect({kind, text, -1, Answer::None, {}, 0, error, {}});
}

void ScriptedPrompter::fail(const QString& failure)
{
    m_failures.append(failure);
    m_onFailure(failure);
}

QString ScriptedPrompter::describe(const Expectation& expectation)
{
    if (expectation.kind == Kind::Format)
        return kindName(expectation.kind) + QStringLiteral(" for drive ") + QString::number(expectation.drive);
    return kindName(expectation.kind) + QStringLiteral(" with ") + expectation.text.description();
}

QString ScriptedPrompter::leftOver() const
{
    QStringList names;
    for (const Expectation& expectation : m_script)
        names.append(describe(expectation));
    return names.join(QStringLiteral("; "));
}

std::optional<ScriptedPrompter::Expectation> ScriptedPrompter::take(const Prompt& prompt)
{
    m_prompts.append(prompt);
    if (m_script.empty()) {
        fail(QStringLiteral("unexpected ") + promptName(prompt));
        return std::nullopt;
    }
    const Expectation& next = m_script.front();
    const bool matches =
        next.kind == prompt.kind && (prompt.kind == Kind::Format ? next.drive == prompt.drive : next.text(prompt.text));
    if (!matches) {
        fail(QStringLiteral("unexpected ") + promptName(prompt) + QStringLiteral("; the script expects ") +
             describe(next));
        return std::nullopt;
    }
    if (prompt.kind == Kind::Message && !next.failure && !answerFits(prompt.buttons, next.answer)) {
        fail(QStringLiteral("scripted answer ") + QString::number(int(next.answer)) +
             QStringLiteral(" is no button of the ") + promptName(prompt) + QStringLiteral(" (buttons ") +
             QString::number(int(prompt.buttons)) + QLatin1Char(')'));
        return std::nullopt;
    }
    Expectation taken = std::move(m_script.front());
    m_script.pop_front();
    if (taken.whileShown)
        taken.whileShown();
    if (taken.failure)
        throw *taken.failure;
    return taken;
}

void ScriptedPrompter::verifyDone()
{
    m_verified = true;
    if (m_script.empty())
        return;
    QString failure = QStringLiteral("scripted prompts never asked: ") + leftOver();
    if (!m_failures.isEmpty())
        failure += QStringLiteral(" (after the failure: ") + m_failures.first() + QLatin1Char(')');
    fail(failure);
}

Answer ScriptedPrompter::message(const MessageBox& box)
{
    Prompt prompt;
    prompt.kind = Kind::Message;
    prompt.text = box.text;
    prompt.title = box.title;
    prompt.buttons = box.buttons;
    prompt.icon = box.icon;
    prompt.defaultButton = box.defaultButton;
    const std::optional<Expectation> answered = take(prompt);
    return answered ? answered->answer : Answer::None;
}

QString ScriptedPrompter::input(const QString& promptText, const QString& title, const QString& defaultText)
{
    Prompt prompt;
    prompt.kind = Kind::Input;
    prompt.text = promptText;
    prompt.title = title;
    prompt.defaultText = defaultText;
    const std::optional<Expectation> answered = take(prompt);
    return answered ? answered->reply : QString();
}

QString ScriptedPrompter::fileDialog(Kind kind, const FileDialog& dialog)
{
    Prompt prompt;
    prompt.kind = kind;
    prompt.text = dialog.title;
    prompt.title = dialog.title;
    prompt.filters = dialog.filters;
    prompt.initialFolder = dialog.initialFolder;
    prompt.owner = dialog.owner;
    const std::optional<Expectation> answered = take(prompt);
    return answered ? answered->reply : QString();
}

QString ScriptedPrompter::openFile(const FileDialog& dialog)
{
    return fileDialog(Kind::OpenFile, dialog);
}

QString ScriptedPrompter::saveFile(const FileDialog& dialog)
{
    return fileDialog(Kind::SaveFile, dialog);
}

QString ScriptedPrompter::browseForFolder(void* owner, const QString& instruction)
{
    Prompt prompt;
    prompt.kind = Kind::Folder;
    prompt.text = instruction;
    prompt.owner = owner;
    const std::optional<Expectation> answered = take(prompt);
    return answered ? answered->reply : QString();
}

int ScriptedPrompter::formatDrive(void* owner, int drive)
{
    Prompt prompt;
    prompt.kind = Kind::Format;
    prompt.owner = owner;
    prompt.drive = drive;
    const std::optional<Expectation> answered = take(prompt);
    // An unanswered format dialog counts as cancelled.
    return answered ? answered->resultCode : -2;
}

std::unique_ptr<CopyProgress> ScriptedPrompter::copyProgress(void*, const QString& from, const QString& to)
{
    m_copies.append({from, to});
    return std::make_unique<RunToTheEnd>();
}

bool ScriptedPrompter::confirmReplace(void* owner, const QString& existing)
{
    Prompt prompt;
    prompt.kind = Kind::Replace;
    prompt.text = existing;
    prompt.owner = owner;
    const std::optional<Expectation> answered = take(prompt);
    return answered && answered->answer == Answer::Yes;
}

} // namespace interaction
