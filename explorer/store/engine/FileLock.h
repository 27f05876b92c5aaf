#pragma once

#include <QString>
#include <sys/types.h>

namespace store {

// Which file a lock or a connection is on, whatever name it was reached by.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
    friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

// The advisory lock that keeps exclusive and shared opens apart, between processes and between
// opens of one process: flock() on a descriptor of the database file itself, held while the
// database is open. Each lock has its own open file description, so two opens in one process
// conflict as two processes do. The descriptor is not closed while a connection of this process
// is still on the file: closing any descriptor of a file drops the process's fcntl() locks on
// it, and those are SQLite's own.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    FileLock() = default;
    // Locks the existing file at hostPath; raises 3045 naming displayPath when the file is held
    // in a conflicting mode.
    static FileLock acquire(const QString& hostPath, Mode mode, const QString& displayPath);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    FileIdentity identity() const { return m_identity; }
    void release();

    // The identity of the file at hostPath now; a default identity when there is none.
    static FileIdentity identityOf(const QString& hostPath);

private:
    FileLock(int descriptor, FileIdentity identity) : m_descriptor(descriptor), m_identity(identity) {}

    int m_descriptor = -1;
    FileIdentity m_identity;
};

} // namespace store
