#include "interaction/Seams.h"

#include <optional>
#include <stdexcept>

#include <QCoreApplication>

#include "interaction/Clock.h"
#include "interaction/CopyProgress.h"
#include "interaction/KeyState.h"
#include "interaction/Prompter.h"
#include "interaction/QtPendingEvents.h"

namespace interaction {

namespace {

class NoPrompter : public Prompter {
public:
    Answer message(const MessageBox& box) override { refuse(box.text); }
    QString input(const QString& prompt, const QString&, const QString&) override { refuse(prompt); }
    QString openFile(const FileDialog& dialog) override { refuse(dialog.title); }
    QString saveFile(const FileDialog& dialog) override { refuse(dialog.title); }
    QString browseForFolder(void*, const QString& instruction) override { refuse(instruction); }
    int formatDrive(void*, int) override { refuse(QStringLiteral("format dialog")); }
    std::unique_ptr<CopyProgress> copyProgress(void*, const QString& from, const QString&) override { refuse(from); }
    bool confirmReplace(void*, const QString& existing) override { refuse(existing); }

private:
    [[noreturn]] static void refuse(const QString& question)
    {
        throw std::logic_error("no prompter installed to ask: " + question.toStdString());
    }
};

class NoKeyDown : public KeyState {
public:
    bool isDown(Key) override { return false; }
};

class SystemClock : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

struct Current {
    Prompter* prompter = nullptr;
    KeyState* keyState = nullptr;
    PendingEvents* pendingEvents = nullptr;
    Clock* clock = nullptr;
    const ErrorLog* errorLog = nullptr;
    std::optional<QString> programTitle;
};

Current& current()
{
    static Current seams;
    return seams;
}

} // namespace

struct Seams::Installation::Saved {
    Current seams;
};

Prompter& Seams::prompter()
{
    static NoPrompter none;
    return current().prompter ? *current().prompter : none;
}

KeyState& Seams::keyState()
{
    static NoKeyDown none;
    return current().keyState ? *current().keyState : none;
}

PendingEvents& Seams::pendingEvents()
{
    static QtPendingEvents qt;
    return current().pendingEvents ? *current().pendingEvents : qt;
}

Clock& Seams::clock()
{
    static SystemClock system;
    return current().clock ? *current().clock : system;
}

const ErrorLog* Seams::errorLog()
{
    return current().errorLog;
}

QString Seams::programTitle()
{
    return current().programTitle.value_or(QCoreApplication::applicationName());
}

Seams::Installation::Installation() : m_saved(std::make_unique<Saved>(Saved{current()})) {}

Seams::Installation::~Installation()
{
    current() = m_saved->seams;
}

Seams::Installation& Seams::Installation::setPrompter(Prompter& prompter)
{
    current().prompter = &prompter;
    return *this;
}

Seams::Installation& Seams::Installation::setKeyState(KeyState& keyState)
{
    current().keyState = &keyState;
    return *this;
}

Seams::Installation& Seams::Installation::setPendingEvents(PendingEvents& pendingEvents)
{
    current().pendingEvents = &pendingEvents;
    return *this;
}

Seams::Installation& Seams::Installation::setClock(Clock& clock)
{
    current().clock = &clock;
    return *this;
}

Seams::Installation& Seams::Installation::setErrorLog(const ErrorLog& errorLog)
{
    current().errorLog = &errorLog;
    return *this;
}

Seams::Installation& Seams::Installation::setProgramTitle(const QString& title)
{
    current().programTitle = title;
    return *this;
}

} // namespace interaction
