#include "backup/DiskSpace.h"

#include "backup/DiskCount.h"
#include "platform/Disk.h"

namespace backup::diskSpace {

qint64 freeSpace(QString rootPath)
{
    if (!rootPath.endsWith(u'\\'))
        rootPath += u'\\';
    platform::disk::FreeSpace space;
    if (!platform::disk::freeSpace(rootPath, space))
        return 0;
    return qint64(space.sectorsPerCluster) * qint64(space.bytesPerSector) * qint64(space.freeClusters);
}

qint64 backupCapacity(const QString& folder)
{
    const QString root = folder.left(3);
    if (root.toUpper() == u"A:\\")
        return diskCount::floppyDiskBytes;
    return freeSpace(root);
}

bool isRemovable(const QString& folder)
{
    return platform::disk::driveType(folder.left(3)) == platform::DriveType::Removable;
}

} // namespace backup::diskSpace
