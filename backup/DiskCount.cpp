#include "backup/DiskCount.h"

namespace backup::diskCount {

qint64 estimatedDisks(qint64 totalBytes, qint64 capacity, bool withSettings)
{
    qint64 disks = capacity > 0 ? totalBytes / capacity : 0;
    if (disks > 0)
        ++disks;
    if (totalBytes > 0 && disks == 0)
        disks = 1;
    if (withSettings)
        ++disks;
    return disks;
}

qint64 pieceCount(qint64 length, qint64 pieceSize)
{
    return length / pieceSize + (length % pieceSize > 0 ? 1 : 0);
}

} // namespace backup::diskCount
