#pragma once

#include <QString>

#include "platform/FileState.h"

namespace platform {

// The platform's share modes: an advisory lock (flock) on the file itself, held by whoever has
// the file open, that keeps conflicting opens out and keeps the file from being deleted,
// renamed or replaced meanwhile. Each lock has its own open file description, so two locks in
// one process conflict as two processes do. A descriptor is not closed while another lock of
// this process is on its file: closing any descriptor of a file drops the process's fcntl()
// locks on it, and those are SQLite's own.
class ShareLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class State { Held, Missing, InUse, Unopenable };

    ShareLock() = default;
    // Locks the file at hostPath without waiting; state() tells whether it did and why not.
    static ShareLock tryAcquire(const QString& hostPath, Mode mode);
    // Held while the file at hostPath is deleted, renamed or replaced, so that no open slips in
    // between: an exclusive lock on a regular file, nothing on links, folders or missing files.
    // Raises whenInUse while someone has the file open.
    static ShareLock forRemoval(const QString& hostPath, int whenInUse);

    ShareLock(ShareLock&& other) noexcept;
    ShareLock& operator=(ShareLock&& other) noexcept;
    ShareLock(const ShareLock&) = delete;
    ShareLock& operator=(const ShareLock&) = delete;
    ~ShareLock();

    // How the attempt went; release() ends a lock that was held.
    State state() const { return m_state; }
    FileIdentity identity() const { return m_file.identity; }
    // How the file stood at its path once locked.
    const FileState& file() const { return m_file; }
    void release();

    // The identity of the file at hostPath now; a default identity when there is none.
    static FileIdentity identityOf(const QString& hostPath);
    // Closes another descriptor of a file, at once or, while this process holds share locks on
    // the file, once the last of them goes.
    static void closeDescriptor(int descriptor);

private:
    explicit ShareLock(State state) : m_state(state) {}
    ShareLock(int descriptor, const FileState& file) : m_state(State::Held), m_descriptor(descriptor), m_file(file) {}

    State m_state = State::Missing;
    int m_descriptor = -1;
    FileState m_file;
};

} // namespace platform
