#pragma once

#include <ctime>
#include <sys/stat.h>
#include <sys/types.h>

#include <QString>

namespace platform {

// Which file a lock is on, whatever name it was reached by.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
    friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

// Which file is at a path and how it stood: a file that another took the place of, or that
// anything wrote to, compares different.
struct FileState {
    FileIdentity identity;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    // The file at hostPath now; a default state when there is none.
    static FileState of(const QString& hostPath);
    // The same, for the path as the host encodes it.
    static FileState of(const char* encodedHostPath);
    static FileState of(const struct stat& status);
    bool operator==(const FileState& other) const;
};

} // namespace platform
