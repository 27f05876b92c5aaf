#include "platform/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "platform/DosAttributes.h"
#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/HostWrite.h"
#include "platform/Listing.h"

namespace platform {

namespace {

constexpr const char* attributeName = "user.DOSATTRIB";

} // namespace

AtomicFile::AtomicFile(const QString& hostPath)
{
    QString target = hostPath;
    const QFileInfo info(hostPath);
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();
    const auto existing = dosAttributes::read(target);
    if (existing && (*existing & (listing::Directory | listing::ReadOnly)))
        throw RuntimeError(PathFileAccessError);
    const qsizetype slash = target.lastIndexOf(u'/');
    const QString folder = target.first(slash + 1);
    if (!QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).isDir())
        throw RuntimeError(PathNotFound);
    m_target = QFile::encodeName(target);
    if (existing)
        m_metadataSource = m_target;
    for (int attempt = 0; m_descriptor < 0; ++attempt) {
        m_temporary = QFile::encodeName(folder + QStringLiteral(".~") + target.sliced(slash + 1) + u'.' +
                                        QString::number(QRandomGenerator::global()->generate(), 16));
        m_descriptor = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor < 0 && (errno != EEXIST || attempt == 100))
            hostError::raise(errno, 76);
    }
}

AtomicFile::~AtomicFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (!m_committed)
        ::unlink(m_temporary.constData());
}

void AtomicFile::write(const QByteArray& bytes)
{
    writeFully(m_descriptor, bytes);
}

void AtomicFile::takeMetadataFrom(const QString& hostPath)
{
    m_metadataSource = QFile::encodeName(hostPath);
    m_copyTimes = true;
}

void AtomicFile::commit()
{
    if (!m_metadataSource.isEmpty()) {
        struct stat status {};
        if (::stat(m_metadataSource.constData(), &status) == 0) {
            ::fchmod(m_descriptor, status.st_mode & 07777);
            if (m_copyTimes) {
                const timespec times[2] = {status.st_atim, status.st_mtim};
                ::futimens(m_descriptor, times);
            }
        }
        char attributes[256];
        const ssize_t length =
            ::getxattr(m_metadataSource.constData(), attributeName, attributes, sizeof attributes);
        if (length > 0)
            ::fsetxattr(m_descriptor, attributeName, attributes, std::size_t(length), 0);
    }
    if (::fsync(m_descriptor) != 0)
        hostError::raise(errno);
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0)
        hostError::raise(errno);
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        hostError::raise(errno, 76);
    m_committed = true;
}

void AtomicFile::write(const QString& hostPath, const QByteArray& bytes)
{
    AtomicFile file(hostPath);
    file.write(bytes);
    file.commit();
}

} // namespace platform
