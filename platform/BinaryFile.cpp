#include "platform/BinaryFile.h"

#include <cerrno>
#include <unistd.h>

#include <QFileInfo>

#include "platform/Disk.h"
#include "platform/ErrorNumber.h"
#include "platform/HostError.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace platform {

namespace {

std::optional<qint64> roomOnCappedDrive(const QString& fullPath)
{
    const auto drive = Workstation::current().drive(fullPath.front().toUpper());
    if (!drive || !drive->capacity)
        return std::nullopt;
    disk::FreeSpace space;
    if (!disk::freeSpace(fullPath.first(3), space))
        throw RuntimeError(DiskNotReady);
    return qint64(space.freeClusters) * space.sectorsPerCluster * space.bytesPerSector;
}

} // namespace

BinaryFile::BinaryFile(const QString& path, Mode mode)
{
    const QString full = windowsPath::fullPath(path);
    const QString host = windowsPath::toHost(full);
    m_file.setFileName(host);
    if (mode == Mode::Read) {
        const QFileInfo info(host);
        if (!info.exists())
            throw RuntimeError(FileNotFound);
        if (info.isDir() || !m_file.open(QIODevice::ReadOnly))
            throw RuntimeError(PathFileAccessError);
        return;
    }
    if (!QFileInfo(QFileInfo(host).absolutePath()).isDir())
        throw RuntimeError(PathNotFound);
    if (QFileInfo(host).isDir() || !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw RuntimeError(PathFileAccessError);
    m_room = roomOnCappedDrive(full);
}

qint64 BinaryFile::length() const
{
    return m_file.size();
}

qint64 BinaryFile::position() const
{
    return m_file.pos();
}

QByteArray BinaryFile::read(qint64 count)
{
    if (count <= 0)
        return {};
    QByteArray bytes = m_file.read(count);
    if (m_file.error() != QFileDevice::NoError)
        throw RuntimeError(DeviceIoError);
    if (bytes.size() < count)
        throw RuntimeError(InputPastEndOfFile);
    return bytes;
}

void BinaryFile::write(const QByteArray& bytes)
{
    if (m_room) {
        if (bytes.size() > *m_room)
            throw RuntimeError(DiskFull);
        *m_room -= bytes.size();
    }
    if (m_file.write(bytes) != bytes.size())
        throw RuntimeError(m_file.error() == QFileDevice::ResourceError ? DiskFull : DeviceIoError);
}

void BinaryFile::close()
{
    if (!m_file.isOpen())
        return;
    const bool flushed = m_file.flush();
    const int failure = errno;
    const int descriptor = m_file.handle();
    const bool synced = !m_file.isWritable() || descriptor < 0 || ::fdatasync(descriptor) == 0;
    const int syncFailure = errno;
    m_file.close();
    if (!flushed)
        hostError::raise(failure);
    if (!synced)
        hostError::raise(syncFailure);
}

} // namespace platform
