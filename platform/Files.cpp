#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "platform/DiskRoom.h"
#include "platform/DosAttributes.h"
#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/HostWrite.h"
#include "platform/Listing.h"
#include "platform/ShareLock.h"
#include "platform/WindowsPath.h"

namespace platform::files {

namespace {

constexpr std::int64_t copyChunk = 1 << 20;

std::optional<struct stat> statusOf(const QString& hostPath)
{
    struct stat status {};
    if (::stat(QFile::encodeName(hostPath).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

QString parentOf(const QString& hostPath)
{
    const qsizetype slash = hostPath.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : hostPath.first(slash);
}

void requireParentFolder(const QString& hostPath)
{
    if (!QFileInfo(parentOf(hostPath)).isDir())
        throw RuntimeError(PathNotFound);
}

bool isReadOnly(const QString& hostPath)
{
    return dosAttributes::read(hostPath).value_or(0) & listing::ReadOnly;
}

// A regular file that exists; 53 otherwise, 75 for a folder.
QString existingFile(const QString& path)
{
    const QString host = windowsPath::toHost(path);
    const auto status = statusOf(host);
    if (!status)
        throw RuntimeError(FileNotFound);
    if (S_ISDIR(status->st_mode))
        throw RuntimeError(PathFileAccessError);
    return host;
}

} // namespace

bool exists(const QString& path)
{
    try {
        return statusOf(windowsPath::toHost(path)).has_value();
    } catch (const RuntimeError&) {
        return false;
    }
}

void makeDirectory(const QString& path)
{
    const QString host = windowsPath::toHost(path);
    if (statusOf(host))
        throw RuntimeError(PathFileAccessError);
    requireParentFolder(host);
    if (::mkdir(QFile::encodeName(host).constData(), 0777) != 0)
        hostError::raise(errno, PathNotFound);
}

void removeDirectory(const QString& path)
{
    const QString host = windowsPath::toHost(path);
    const auto status = statusOf(host);
    if (!status || !S_ISDIR(status->st_mode))
        throw RuntimeError(PathNotFound);
    if (isReadOnly(host))
        throw RuntimeError(PathFileAccessError);
    if (::rmdir(QFile::encodeName(host).constData()) != 0)
        hostError::raise(errno, PathNotFound);
}

void removeFile(const QString& path)
{
    const QString name = windowsPath::namePart(path);
    if (name.isEmpty())
        throw RuntimeError(FileNotFound);
    const QStringList names = listing::dir(path, listing::Normal);
    if (names.isEmpty())
        throw RuntimeError(FileNotFound);
    QString folder = windowsPath::toHost(windowsPath::fullPath(windowsPath::folderPart(path)));
    if (!folder.endsWith(u'/'))
        folder += u'/';
    for (const QString& found : names) {
        const QString host = folder + found;
        if (isReadOnly(host))
            throw RuntimeError(PathFileAccessError);
        const ShareLock lock = ShareLock::forRemoval(host, PermissionDenied);
        if (::unlink(QFile::encodeName(host).constData()) != 0)
            hostError::raise(errno);
    }
}

void rename(const QString& from, const QString& to)
{
    const QString fromFull = windowsPath::fullPath(from);
    const QString toFull = windowsPath::fullPath(to);
    if (fromFull.front() != toFull.front())
        throw RuntimeError(RenameAcrossDrives);
    const QString source = windowsPath::toHost(fromFull);
    const auto sourceStatus = statusOf(source);
    if (!sourceStatus)
        throw RuntimeError(FileNotFound);
    QString target = windowsPath::toHost(toFull);
    if (const auto targetStatus = statusOf(target)) {
        const bool sameEntry =
            targetStatus->st_dev == sourceStatus->st_dev && targetStatus->st_ino == sourceStatus->st_ino;
        if (!sameEntry)
            throw RuntimeError(FileAlreadyExists);
        // Only the case of the name changes: the target keeps the spelling asked for.
        target = parentOf(target) + u'/' + windowsPath::namePart(toFull);
        if (target == source)
            return;
    }
    requireParentFolder(target);
    const ShareLock lock = ShareLock::forRemoval(source, PathFileAccessError);
    if (::renameat2(AT_FDCWD, QFile::encodeName(source).constData(), AT_FDCWD, QFile::encodeName(target).constData(),
                    RENAME_NOREPLACE) == 0)
        return;
    if (errno == EEXIST)
        throw RuntimeError(FileAlreadyExists);
    if (errno == EINVAL && S_ISDIR(sourceStatus->st_mode))
        throw RuntimeError(PathFileAccessError); // a folder moved into itself
    hostError::raise(errno, PathNotFound);
}

void copy(const QString& from, const QString& to)
{
    const QString source = existingFile(from);
    const QString target = windowsPath::toHost(to);
    requireParentFolder(target);
    const auto sourceStatus = statusOf(source);
    if (const auto targetStatus = statusOf(target)) {
        if (targetStatus->st_dev == sourceStatus->st_dev && targetStatus->st_ino == sourceStatus->st_ino)
            throw RuntimeError(PathFileAccessError);
    }
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        throw RuntimeError(PathFileAccessError);
    AtomicFile output(target);
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(copyChunk);
        if (chunk.isEmpty() && input.error() != QFileDevice::NoError)
            throw RuntimeError(DeviceIoError);
        output.write(chunk);
    }
    output.takeMetadataFrom(source);
    output.commit();
}

qint64 length(const QString& path)
{
    const QString host = windowsPath::toHost(path);
    const auto status = statusOf(host);
    if (!status || S_ISDIR(status->st_mode))
        throw RuntimeError(FileNotFound);
    return qint64(status->st_size);
}

QByteArray readAll(const QString& path)
{
    QFile file(existingFile(path));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(PathFileAccessError);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(DeviceIoError);
    return bytes;
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    AtomicFile::write(windowsPath::toHost(path), bytes);
}

void append(const QString& path, const QByteArray& bytes)
{
    const QString host = windowsPath::toHost(path);
    if (const auto status = statusOf(host)) {
        if (S_ISDIR(status->st_mode) || isReadOnly(host))
            throw RuntimeError(PathFileAccessError);
    }
    requireParentFolder(host);
    DiskRoom::forFile(host, DiskRoom::Freeing::Nothing).take(bytes.size());
    const int descriptor = ::open(QFile::encodeName(host).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0)
        hostError::raise(errno, PathNotFound);
    try {
        writeFully(descriptor, bytes);
    } catch (const RuntimeError&) {
        ::close(descriptor);
        throw;
    }
    if (::close(descriptor) != 0)
        hostError::raise(errno);
}

} // namespace platform::files
