#include "platform/DiskRoom.h"

#include <algorithm>
#include <sys/stat.h>

#include <QDirIterator>
#include <QFile>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace platform {

namespace {

qint64 sizeOfFile(const QString& hostPath)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(hostPath).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    return qint64(status.st_size);
}

bool anyDriveHasCapacity(const Workstation& workstation)
{
    const QList<Drive> drives = workstation.drives();
    return std::any_of(drives.begin(), drives.end(), [](const Drive& drive) { return drive.capacity.has_value(); });
}

} // namespace

DiskRoom DiskRoom::forFile(const QString& hostPath, Freeing freeing)
{
    const Workstation& workstation = Workstation::current();
    if (!anyDriveHasCapacity(workstation))
        return unlimited();
    const QString windowsForm = windowsPath::fromHost(workstation, hostPath);
    if (windowsForm.isEmpty())
        return unlimited();
    const auto drive = workstation.drive(windowsForm.front());
    if (!drive || !drive->capacity)
        return unlimited();
    qint64 used = usedBytes(drive->hostFolder);
    if (freeing == Freeing::TheFile)
        used -= sizeOfFile(hostPath);
    return DiskRoom(*drive->capacity - used);
}

void DiskRoom::take(qint64 bytes)
{
    if (!m_left || bytes <= 0)
        return;
    if (bytes > *m_left)
        throw RuntimeError(DiskFull);
    *m_left -= bytes;
}

qint64 DiskRoom::usedBytes(const QString& hostFolder)
{
    qint64 used = 0;
    QDirIterator entries(hostFolder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        if (!entries.fileInfo().isSymLink())
            used += std::max<qint64>(entries.fileInfo().size(), 0);
    }
    return used;
}

} // namespace platform
