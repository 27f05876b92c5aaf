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
    bool hasIdle()
    {
        std::lock_guard guard(m_mutex);
        return m_idle > 0;
    }

    int take(FileIdentity identity)
    {
        std::lock_guard guard(m_mutex);
        const auto found = m_files.find(identity);
        if (found == m_files.end() || found->second.idle.empty())
            return -1;
        const int descriptor = found->second.idle.back();
        found->second.idle.pop_back();
        --m_idle;
        return descriptor;
    }

    void addHolder(FileIdentity identity)
    {
        std::lock_guard guard(m_mutex);
        ++m_files[identity].holders;
    }

    // Gives back a descriptor that holds no lock.
    void giveBack(FileIdentity identity, int descriptor)
    {
        std::lock_guard guard(m_mutex);
        keepOrClose(m_files[identity], identity, descriptor);
    }

    // Ends a holder's lock: closing the descriptor ends it, unless other locks of this process
    // on the file keep it open.
    void release(FileIdentity identity, int descriptor)
    {
        std::lock_guard guard(m_mutex);
        Entry& entry = m_files[identity];
        --entry.holders;
        if (entry.holders > 0)
            ::flock(descriptor, LOCK_UN);
        keepOrClose(entry, identity, descriptor);
    }

private:
    struct Entry {
        int holders = 0;
        std::vector<int> idle;
    };

    void keepOrClose(Entry& entry, FileIdentity identity, int descriptor)
    {
        if (entry.holders > 0) {
            entry.idle.push_back(descriptor);
            ++m_idle;
            return;
        }
        ::close(descriptor);
        for (const int idle : entry.idle)
            ::close(idle);
        m_idle -= int(entry.idle.size());
        m_files.erase(identity);
    }

    std::mutex m_mutex;
    std::map<FileIdentity, Entry> m_files;
    int m_idle = 0; // descriptors waiting in m_files
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
    return FileState::of(hostPath).identity;
}

ShareLock ShareLock::tryAcquire(const QString& hostPath, Mode mode)
{
    const QByteArray encoded = QFile::encodeName(hostPath);
    for (int attempt = 0; attempt < attemptsOnReplacedFile; ++attempt) {
        int descriptor = pool().hasIdle() ? pool().take(identityOf(hostPath)) : -1;
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
            pool().giveBack(identity, descriptor);
            return ShareLock(lockError == EWOULDBLOCK ? State::InUse : State::Unopenable);
        }
        pool().addHolder(identity);
        // A file replaced between opening and locking (a compaction renames a new file over the
        // old one) is locked again under its new identity.
        if (const FileState file = FileState::of(encoded.constData()); file.identity == identity)
            return ShareLock(descriptor, file);
        pool().release(identity, descriptor);
    }
    return ShareLock(State::InUse);
}

void ShareLock::closeDescriptor(int descriptor)
{
    pool().giveBack(identityOfDescriptor(descriptor), descriptor);
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
    : m_state(other.m_state), m_descriptor(std::exchange(other.m_descriptor, -1)), m_file(other.m_file)
{
}

ShareLock& ShareLock::operator=(ShareLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_state = other.m_state;
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_file = other.m_file;
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
    pool().release(m_file.identity, std::exchange(m_descriptor, -1));
}

} // namespace platform
