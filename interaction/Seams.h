#pragma once

#include <memory>

#include <QString>

namespace interaction {

class Clock;
class ErrorLog;
class KeyState;
class PendingEvents;
class Prompter;

// The process's way to the user, for procedures deep below the windows. Without an
// installation: asking the user is a programming error (std::logic_error), no key is down,
// pending events run through Qt, the clock is the system's, no error log is kept and the title
// is the application name.
class Seams {
public:
    static Prompter& prompter();
    static KeyState& keyState();
    static PendingEvents& pendingEvents();
    static Clock& clock();
    static const ErrorLog* errorLog(); // only Permix keeps one
    static QString programTitle();

    // Installs seams for its lifetime and then puts back the ones it found. The installed
    // objects must outlive it. Programs keep one in main(); tests one per test.
    class Installation {
    public:
        Installation();
        ~Installation();
        Installation(const Installation&) = delete;
        Installation& operator=(const Installation&) = delete;

        Installation& setPrompter(Prompter& prompter);
        Installation& setKeyState(KeyState& keyState);
        Installation& setPendingEvents(PendingEvents& pendingEvents);
        Installation& setClock(Clock& clock);
        Installation& setErrorLog(const ErrorLog& errorLog);
        Installation& setProgramTitle(const QString& title);

    private:
        struct Saved;
        std::unique_ptr<Saved> m_saved;
    };
};

} // namespace interaction
