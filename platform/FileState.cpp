#include "platform/FileState.h"

#include <QFile>

namespace platform {

FileState FileState::of(const QString& hostPath)
{
    return of(QFile::encodeName(hostPath).constData());
}

FileState FileState::of(const char* encodedHostPath)
{
    struct stat status {};
    if (::stat(encodedHostPath, &status) != 0)
        return {};
    return of(status);
}

FileState FileState::of(const struct stat& status)
{
    return {{status.st_dev, status.st_ino}, status.st_size, status.st_mtim, status.st_ctim};
}

bool FileState::operator==(const FileState& other) const
{
    return identity == other.identity && size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec &&
           changed.tv_nsec == other.changed.tv_nsec;
}

} // namespace platform
