#include "explorer/transfer/OutputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include <QFile>

#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/HostWrite.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace transfer {

OutputFile::OutputFile(const QString& windowsPath)
{
    const QByteArray host = QFile::encodeName(platform::windowsPath::toHost(windowsPath));
    struct stat status {};
    if (::stat(host.constData(), &status) == 0 && S_ISDIR(status.st_mode))
        throw platform::RuntimeError(platform::PathFileAccessError);
    m_descriptor = ::open(host.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        platform::hostError::raise(errno, platform::PathNotFound);
}

OutputFile::~OutputFile()
{
    Close();
}

OutputFile::OutputFile(OutputFile&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept
{
    if (this != &other) {
        Close();
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

void OutputFile::writeLine(const QByteArray& bytes)
{
    if (m_descriptor < 0)
        throw platform::RuntimeError(platform::BadFileNameOrNumber);
    platform::writeFully(m_descriptor, bytes + "\r\n");
}

void OutputFile::Close()
{
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
}

} // namespace transfer
