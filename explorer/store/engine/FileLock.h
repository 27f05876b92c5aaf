#pragma once

#include <utility>

#include <QString>

#include "platform/ShareLock.h"

namespace store {

using FileIdentity = platform::FileIdentity;
using FileState = platform::FileState;

// The lock that keeps exclusive and shared opens apart, between processes and between opens of
// one process: the platform's share lock on the database file, held while the database is open.
// While it is held, the file can be neither deleted nor renamed.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    FileLock() = default;
    // Locks the existing file at hostPath; raises 3045 naming displayPath when the file is held
    // in a conflicting mode.
    static FileLock acquire(const QString& hostPath, Mode mode, const QString& displayPath);

    FileIdentity identity() const { return m_lock.identity(); }
    // How the file stood at its path once locked.
    const FileState& file() const { return m_lock.file(); }
    void release() { m_lock.release(); }

private:
    explicit FileLock(platform::ShareLock lock) : m_lock(std::move(lock)) {}

    platform::ShareLock m_lock;
};

} // namespace store
