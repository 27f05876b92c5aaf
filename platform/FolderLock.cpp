#include "platform/FolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>

#include "platform/HostError.h"

namespace platform {

FolderLock::FolderLock(const QString& hostFolder)
{
    m_descriptor = ::open(QFile::encodeName(hostFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptor < 0)
        hostError::raise(errno, 76);
    while (::flock(m_descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(m_descriptor);
            hostError::raise(error, 76);
        }
    }
}

FolderLock::~FolderLock()
{
    ::close(m_descriptor);
}

} // namespace platform
