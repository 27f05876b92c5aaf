#pragma once

#include <ctime>
#include <sys/types.h>

#include <QString>

#include "explorer/store/engine/FileLock.h"

namespace store {

// Which file is at a path and how it stood: a file that another took the place of, or that
// anything wrote to, compares different.
struct FileState {
    FileIdentity identity;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    // The file at hostPath now; a default state when there is none.
    static FileState of(const QString& hostPath);
    bool operator==(const FileState& other) const;
};

} // namespace store
