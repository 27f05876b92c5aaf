#pragma once

#include <QString>

// The drives a backup goes to or comes from.
namespace backup::diskSpace {

// The free bytes of the drive whose root is `rootPath` ("C:\"; a missing "\" is added): sectors
// per cluster x bytes per sector x free clusters, in 64 bits; 0 when the drive does not answer.
qint64 freeSpace(QString rootPath);

// What one disk of a backup into `folder` holds: a floppy disk's share for a folder on "A:\",
// otherwise the free space of the folder's drive.
qint64 backupCapacity(const QString& folder);

// Whether the folder lies on a removable drive (the drive type of its first three characters).
bool isRemovable(const QString& folder);

} // namespace backup::diskSpace
