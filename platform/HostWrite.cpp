#include "platform/HostWrite.h"

#include <cerrno>
#include <unistd.h>

#include "platform/HostError.h"

namespace platform {

void writeFully(int descriptor, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            hostError::raise(written < 0 ? errno : ENOSPC);
        data += written;
        left -= std::size_t(written);
    }
}

} // namespace platform
