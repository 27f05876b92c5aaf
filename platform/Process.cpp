#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <QFile>

#include "platform/CommandLine.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

extern char** environ;

namespace platform::process {

namespace {

const QByteArray workstationVariable("TRAMEX_WORKSTATION=");

// The parent's environment, with the workstation the parent uses.
std::vector<QByteArray> childEnvironment()
{
    std::vector<QByteArray> variables;
    for (char** entry = environ; *entry; ++entry) {
        if (!QByteArray(*entry).startsWith(workstationVariable))
            variables.emplace_back(*entry);
    }
    variables.push_back(workstationVariable + QFile::encodeName(Workstation::current().root()));
    return variables;
}

std::vector<char*> pointersTo(std::vector<QByteArray>& texts)
{
    std::vector<char*> pointers;
    for (QByteArray& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

class SpawnAttributes {
public:
    SpawnAttributes()
    {
        ::posix_spawnattr_init(&m_attributes);
        sigset_t signals;
        sigemptyset(&signals);
        ::posix_spawnattr_setsigmask(&m_attributes, &signals);
        sigfillset(&signals);
        ::posix_spawnattr_setsigdefault(&m_attributes, &signals);
        ::posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { ::posix_spawnattr_destroy(&m_attributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return &m_attributes; }

private:
    posix_spawnattr_t m_attributes;
};

int openProcess(pid_t pid)
{
    return int(::syscall(SYS_pidfd_open, pid, 0));
}

// Without process descriptors: our own child is waited for, any other process polled.
bool waitWithoutDescriptor(pid_t pid)
{
    int status = 0;
    pid_t reaped = 0;
    while ((reaped = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    if (reaped == pid)
        return true;
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return false;
    while (::kill(pid, 0) == 0 || errno != ESRCH)
        sleepMilliseconds(50);
    return true;
}

} // namespace

std::int64_t start(const QString& commandLine)
{
    const CommandLine line(commandLine);
    std::vector<QByteArray> arguments{QFile::encodeName(line.program())};
    if (!line.argument().isEmpty())
        arguments.push_back(line.argument().toUtf8());
    std::vector<QByteArray> environment = childEnvironment();
    std::vector<char*> argv = pointersTo(arguments);
    std::vector<char*> envp = pointersTo(environment);
    const SpawnAttributes attributes;
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], nullptr, attributes.get(), argv.data(), envp.data());
    switch (error) {
    case 0:
        return pid;
    case ENOENT:
        throw RuntimeError(FileNotFound);
    case EACCES:
    case EPERM:
        throw RuntimeError(PermissionDenied);
    case ENOMEM:
        throw RuntimeError(OutOfMemory);
    default:
        throw RuntimeError(InvalidProcedureCall);
    }
}

bool waitFor(std::int64_t pid)
{
    if (pid <= 0 || pid > std::int64_t(INT32_MAX))
        return false;
    const auto processId = pid_t(pid);
    const int descriptor = openProcess(processId);
    if (descriptor < 0)
        return errno == ENOSYS ? waitWithoutDescriptor(processId) : false;
    pollfd ended{descriptor, POLLIN, 0};
    while (::poll(&ended, 1, -1) < 0 && errno == EINTR) {
    }
    ::close(descriptor);
    // Reaps it when it was our child; for any other process this fails at once.
    int status = 0;
    while (::waitpid(processId, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

void sleepMilliseconds(std::uint32_t milliseconds)
{
    timespec left{time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace platform::process
