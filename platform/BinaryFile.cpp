#include "platform/BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include <QFile>
#include <QFileInfo>

#include "platform/DosAttributes.h"
#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/HostWrite.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace platform {

namespace {

// How many times a file that another program replaces while it is being opened is looked up again.
constexpr int openAttempts = 5;

FileIdentity identityOfDescriptor(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return {};
    return {status.st_dev, status.st_ino};
}

int errorOfLock(ShareLock::State state)
{
    switch (state) {
    case ShareLock::State::Missing:
        return FileNotFound;
    case ShareLock::State::InUse:
        return PermissionDenied;
    default:
        return PathFileAccessError;
    }
}

} // namespace

BinaryFile::BinaryFile(const QString& path, Mode mode) : m_hostPath(windowsPath::toHost(path)), m_mode(mode)
{
    m_drive = windowsPath::fullPath(path).front();
    const auto drive = Workstation::current().drive(m_drive);
    m_onRemovableDisk = drive && (drive->type == DriveType::Removable || drive->type == DriveType::CdRom);
    try {
        if (mode == Mode::Read)
            openForReading();
        else
            openForWriting();
    } catch (...) {
        close();
        throw;
    }
}

BinaryFile::~BinaryFile()
{
    close();
}

void BinaryFile::openForReading()
{
    const QByteArray host = QFile::encodeName(m_hostPath);
    for (int attempt = 0; attempt < openAttempts; ++attempt) {
        struct stat status {};
        if (::stat(host.constData(), &status) != 0) {
            const int error = errno;
            hostError::raise(error, QFileInfo(QFileInfo(m_hostPath).path()).isDir() ? FileNotFound : PathNotFound);
        }
        if (S_ISDIR(status.st_mode))
            throw RuntimeError(PathFileAccessError);
        ShareLock lock = ShareLock::tryAcquire(m_hostPath, ShareLock::Mode::Shared);
        if (lock.state() != ShareLock::State::Held)
            throw RuntimeError(errorOfLock(lock.state()));
        const int descriptor = ::open(host.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            hostError::raise(errno, FileNotFound);
        if (identityOfDescriptor(descriptor) == lock.identity()) {
            m_descriptor = descriptor;
            m_lock = std::move(lock);
            m_end = length();
            return;
        }
        ShareLock::closeDescriptor(descriptor);
    }
    throw RuntimeError(PermissionDenied);
}

void BinaryFile::openForWriting()
{
    const QByteArray host = QFile::encodeName(m_hostPath);
    for (int attempt = 0; attempt < openAttempts; ++attempt) {
        if (const auto attributes = dosAttributes::read(m_hostPath)) {
            if (*attributes & (listing::Directory | listing::ReadOnly))
                throw RuntimeError(PathFileAccessError);
            ShareLock lock = ShareLock::tryAcquire(m_hostPath, ShareLock::Mode::Exclusive);
            if (lock.state() == ShareLock::State::Missing)
                continue;
            if (lock.state() != ShareLock::State::Held)
                throw RuntimeError(errorOfLock(lock.state()));
            const int descriptor = ::open(host.constData(), O_RDWR | O_CLOEXEC);
            if (descriptor < 0)
                hostError::raise(errno, PathNotFound);
            if (identityOfDescriptor(descriptor) != lock.identity()) {
                ShareLock::closeDescriptor(descriptor);
                continue;
            }
            m_descriptor = descriptor;
            m_lock = std::move(lock);
            if (::ftruncate(m_descriptor, 0) != 0)
                hostError::raise(errno);
        } else {
            const int descriptor = ::open(host.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor < 0 && errno == EEXIST)
                continue;
            if (descriptor < 0)
                hostError::raise(errno, PathNotFound);
            m_descriptor = descriptor;
            m_lock = ShareLock::tryAcquire(m_hostPath, ShareLock::Mode::Exclusive);
            if (m_lock.state() != ShareLock::State::Held || m_lock.identity() != identityOfDescriptor(descriptor))
                throw RuntimeError(PermissionDenied);
        }
        m_room = DiskRoom::forFile(m_hostPath, DiskRoom::Freeing::Nothing);
        return;
    }
    throw RuntimeError(PermissionDenied);
}

int BinaryFile::openedDescriptor() const
{
    if (m_descriptor < 0)
        throw RuntimeError(BadFileNameOrNumber);
    // A removable disk that left the drive, or was swapped for another, no longer holds the file.
    if (m_onRemovableDisk &&
        (!Workstation::current().isReady(m_drive) || ShareLock::identityOf(m_hostPath) != m_lock.identity()))
        throw RuntimeError(DiskNotReady);
    return m_descriptor;
}

qint64 BinaryFile::length() const
{
    struct stat status {};
    if (::fstat(openedDescriptor(), &status) != 0)
        hostError::raise(errno);
    return qint64(status.st_size);
}

void BinaryFile::seek(qint64 position)
{
    if (position < 0)
        throw RuntimeError(BadFileNameOrNumber);
    if (::lseek(openedDescriptor(), off_t(position), SEEK_SET) < 0)
        hostError::raise(errno);
    m_position = position;
}

qint64 BinaryFile::readSome(char* buffer, qint64 maximum)
{
    const int descriptor = openedDescriptor();
    qint64 done = 0;
    while (done < maximum) {
        const ssize_t got = ::read(descriptor, buffer + done, std::size_t(maximum - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            hostError::raise(errno);
        if (got == 0)
            break;
        done += got;
    }
    m_position += done;
    return done;
}

QByteArray BinaryFile::read(qint64 count)
{
    if (count < 0)
        throw RuntimeError(InvalidProcedureCall);
    QByteArray bytes(count, Qt::Uninitialized);
    if (readSome(bytes.data(), count) < count)
        throw RuntimeError(InputPastEndOfFile);
    return bytes;
}

void BinaryFile::write(QByteArrayView bytes)
{
    const int descriptor = openedDescriptor();
    if (m_mode == Mode::Read)
        throw RuntimeError(PathFileAccessError);
    if (bytes.isEmpty())
        return;
    const qint64 end = m_position + bytes.size();
    m_room.take(end - m_end);
    writeFully(descriptor, QByteArray::fromRawData(bytes.data(), bytes.size()));
    m_position = end;
    m_end = std::max(m_end, end);
}

void BinaryFile::close()
{
    if (m_descriptor < 0)
        return;
    // Closed only once no share lock of this process is on the file: closing a descriptor drops
    // the fcntl() locks SQLite holds on the file in this process.
    ShareLock::closeDescriptor(std::exchange(m_descriptor, -1));
    m_lock.release();
}

} // namespace platform
