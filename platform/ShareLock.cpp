#include "platform/ShareLock.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include <QFile>

#include "platform/RuntimeError.h"

namespace platform {

namespace {

// Descriptors of files that this process holds locks on, by file. Unlocked descriptors wait
// here for the file's last lock to go before they are closed.
class DescriptorPool {
public:
    bool isEmpty()
    {
        std::lock_guard guard(m_mutex);
        return m_files.empty();
    }

    int take(FileIdentity identity)
    {
        std::lock_guard guard(m_mutex);
        const auto found = m_files.find(identity);
        if (found == m_files.end() || found->second.idle.empty())
            return -1;
        const int descriptor = found->second.idle.back();
        found->second.idle.pop_back();
        return descriptor;
    }

    void addHolder(FileIdentity identity)
    {
        std::lock_guard guard(m_mutex);
        ++m_files[identity].holders;
    }

    // Gives back a descriptor that holds no lock; holding says whether it was counted as a holder.
    void giveBack(FileIdentity identity, int descriptor, bool holding)
    {
        std::lock_guard guard(m_mutex);
        Entry& entry = m_files[identity];
        if (holding)
            --entry.holders;
        entry.idle.push_back(descriptor);
        if (entry.holders > 0)
            return;
        for (const int idle : entry.idle)
            ::close(idle);
        m_files.erase(identity);
    }

private:
    struct Entry {
        int holders = 0;
        std::vector<int> idle;
    };
    std::mutex m_mutex;
    std::map<FileIdentity, Entry> m_files;
};

DescriptorPool& pool()
{
    // Never destroyed: locks dropped while the process ends still find it.
    static DescriptorPool* const instance = new DescriptorPool;
    return *instance;
}

FileIdentity identityOfDescriptor(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return {};
    return {status.st_dev, status.st_ino};
}

// How many times a file replaced under our feet is looked up again before giving up.
const int attemptsOnReplacedFile = 20;

} // namespace

FileIdentity ShareLock::identityOf(const QString& hostPath)
{
    struct stat status {};
    if (::stat(QFile::encodeName(hostPath).constData(), &status) != 0)
        return {};
    return {status.st_dev, status.st_ino};
}

ShareLock ShareLock::tryAcquire(const QString& hostPath, Mode mode)
{
    const QByteArray encoded = QFile::encodeName(hostPath);
    for (int attempt = 0; attempt < attemptsOnReplacedFile; ++attempt) {
        int descriptor = pool().isEmpty() ? -1 : pool().take(identityOf(hostPath));
        if (descriptor < 0)
            descriptor = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (descriptor < 0)
            return ShareLock(errno == ENOENT ? State::Missing : State::Unopenable);
        const FileIdentity identity = identityOfDescriptor(descriptor);
        const int operation = (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
        int result;
        do
            result = ::flock(descriptor, operation);
        while (result != 0 && errno == EINTR);
        if (result != 0) {
            const int lockError = errno;
            pool().giveBack(identity, descriptor, false);
            return ShareLock(lockError == EWOULDBLOCK ? State::InUse : State::Unopenable);
        }
        pool().addHolder(identity);
        // A file replaced between opening and locking (a compaction renames a new file over the
        // old one) is locked again under its new identity.
        if (identityOf(hostPath) == identity)
            return ShareLock(descriptor, identity);
        ::flock(descriptor, LOCK_UN);
        pool().giveBack(identity, descriptor, true);
    }
    return ShareLock(State::InUse);
}

void ShareLock::closeDescriptor(int descriptor)
{
    pool().giveBack(identityOfDescriptor(descriptor), descriptor, false);
}

ShareLock ShareLock::forRemoval(const QString& hostPath, int whenInUse)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(hostPath).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    ShareLock lock = tryAcquire(hostPath, Mode::Exclusive);
    if (lock.state() == State::InUse)
        throw RuntimeError(whenInUse);
    return lock;
}

ShareLock::ShareLock(ShareLock&& other) noexcept
    : m_state(other.m_state), m_descriptor(std::exchange(other.m_descriptor, -1)), m_identity(other.m_identity)
{
}

ShareLock& ShareLock::operator=(ShareLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_state = other.m_state;
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_identity = other.m_identity;
    }
    return *this;
}

ShareLock::~ShareLock()
{
    release();
}

void ShareLock::release()
{
    if (m_descriptor < 0)
        return;
    ::flock(m_descriptor, LOCK_UN);
    pool().giveBack(m_identity, std::exchange(m_descriptor, -1), true);
}

} // namespace platform
