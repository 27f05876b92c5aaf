#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "platform/DosAttributes.h"
#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/HostWrite.h"
#include "platform/Listing.h"
#include "platform/ShareLock.h"

namespace platform {

namespace {

constexpr const char* attributeName = "user.DOSATTRIB";

} // namespace

QString AtomicFile::targetOf(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (info.isSymLink() && !info.canonicalFilePath().isEmpty())
        return info.canonicalFilePath();
    return hostPath;
}

AtomicFile::AtomicFile(const QString& hostPath, DriveLimit limit) : m_target(targetOf(hostPath))
{
    const auto existing = dosAttributes::read(m_target);
    if (existing && (*existing & (listing::Directory | listing::ReadOnly)))
        throw RuntimeError(PathFileAccessError);
    const QString folder = m_target.first(m_target.lastIndexOf(u'/') + 1);
    if (!QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).isDir())
        throw RuntimeError(PathNotFound);
    if (existing)
        m_metadataSource = QFile::encodeName(m_target);
    TemporaryBeside::removeLeftovers(m_target);
    if (limit == DriveLimit::Checked)
        m_room = DiskRoom::forFile(m_target, DiskRoom::Freeing::TheFile);
    m_temporary.emplace(m_target);
}

void AtomicFile::write(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const qint64 end = m_position + bytes.size();
    m_room.take(end - m_end);
    writeFully(m_temporary->descriptor(), QByteArray::fromRawData(bytes.data(), bytes.size()));
    m_position = end;
    m_end = std::max(m_end, end);
}

void AtomicFile::seek(qint64 position)
{
    if (position < 0)
        throw RuntimeError(InvalidProcedureCall);
    if (::lseek(m_temporary->descriptor(), off_t(position), SEEK_SET) < 0)
        hostError::raise(errno);
    m_position = position;
}

void AtomicFile::takeMetadataFrom(const QString& hostPath)
{
    m_metadataSource = QFile::encodeName(hostPath);
    m_copyTimes = true;
}

void AtomicFile::prepareCommit()
{
    if (m_targetLock)
        return;
    const int descriptor = m_temporary->descriptor();
    if (!m_metadataSource.isEmpty()) {
        struct stat status {};
        if (::stat(m_metadataSource.constData(), &status) == 0) {
            ::fchmod(descriptor, status.st_mode & 07777);
            if (m_copyTimes) {
                const timespec times[2] = {status.st_atim, status.st_mtim};
                ::futimens(descriptor, times);
            }
        }
        char attributes[256];
        const ssize_t length = ::getxattr(m_metadataSource.constData(), attributeName, attributes, sizeof attributes);
        if (length > 0)
            ::fsetxattr(descriptor, attributeName, attributes, std::size_t(length), 0);
    }
    if (::fsync(descriptor) != 0)
        hostError::raise(errno);
    m_targetLock = ShareLock::forRemoval(m_target, PermissionDenied);
}

void AtomicFile::commit()
{
    prepareCommit();
    if (::rename(QFile::encodeName(m_temporary->path()).constData(), QFile::encodeName(m_target).constData()) != 0)
        hostError::raise(errno, 76);
    m_temporary->renamed();
    m_targetLock.reset();
}

void AtomicFile::write(const QString& hostPath, const QByteArray& bytes, DriveLimit limit)
{
    AtomicFile file(hostPath, limit);
    file.write(bytes);
    file.commit();
}

} // namespace platform
