#pragma once

#include <QString>

namespace platform {

// An exclusive advisory lock (flock) on a host folder, held for the object's life. Writers of
// the files in one folder take it around read-change-replace, so that their replacements come
// one after the other. Locking the folder leaves no lock file behind for listings to show and
// survives the file itself being replaced by a rename.
class FolderLock {
public:
    // Blocks until the lock is held. Raises 76 when the folder cannot be opened.
    explicit FolderLock(const QString& hostFolder);
    ~FolderLock();

    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_descriptor = -1;
};

} // namespace platform
