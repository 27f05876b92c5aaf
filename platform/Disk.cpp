#include "platform/Disk.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <sys/statvfs.h>

#include <QFile>
#include <QFileInfo>

#include "platform/DiskRoom.h"
#include "platform/WindowsPath.h"

namespace platform::disk {

namespace {

constexpr std::uint32_t bytesPerSector = 512;
constexpr std::uint64_t mostClusters = std::numeric_limits<std::uint32_t>::max();

// The letter of a drive root "X:\" (or "X:/").
std::optional<QChar> rootLetter(const QString& rootPath)
{
    if (rootPath.size() != 3 || rootPath[1] != u':' || (rootPath[2] != u'\\' && rootPath[2] != u'/'))
        return std::nullopt;
    const QChar letter = rootPath[0].toUpper();
    if (letter < u'A' || letter > u'Z')
        return std::nullopt;
    return letter;
}

// The drive behind a root that answers: mapped, ready and with its folder present.
std::optional<Drive> answeringDrive(const QString& rootPath)
{
    const auto letter = rootLetter(rootPath);
    if (!letter)
        return std::nullopt;
    const Workstation& workstation = Workstation::current();
    const auto drive = workstation.drive(*letter);
    if (!drive || !workstation.isReady(*letter) || !QFileInfo(drive->hostFolder).isDir())
        return std::nullopt;
    return drive;
}

std::uint32_t clusters(std::uint64_t bytes, std::uint64_t clusterBytes)
{
    return std::uint32_t(std::min(bytes / clusterBytes, mostClusters));
}

std::uint32_t stableSerial(const QString& root, QChar letter)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char byte : (root + u'|' + letter).toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

} // namespace

bool freeSpace(const QString& rootPath, FreeSpace& result)
{
    const auto drive = answeringDrive(rootPath);
    if (!drive)
        return false;
    struct statvfs volume {};
    if (::statvfs(QFile::encodeName(drive->hostFolder).constData(), &volume) != 0)
        return false;
    const std::uint64_t blockBytes = std::max<std::uint64_t>(volume.f_frsize, bytesPerSector);
    const std::uint64_t hostTotal = std::uint64_t(volume.f_blocks) * blockBytes;
    const std::uint64_t hostFree = std::uint64_t(volume.f_bavail) * blockBytes;

    std::uint64_t total = hostTotal;
    std::uint64_t free = hostFree;
    std::uint64_t clusterBytes = blockBytes;
    if (drive->capacity) {
        total = std::uint64_t(*drive->capacity);
        clusterBytes = bytesPerSector;
        while (total / clusterBytes > mostClusters)
            clusterBytes *= 2;
        const std::uint64_t used = std::uint64_t(DiskRoom::usedBytes(drive->hostFolder));
        free = std::min(total > used ? total - used : 0, hostFree);
    }
    result.bytesPerSector = bytesPerSector;
    result.sectorsPerCluster = std::uint32_t(clusterBytes / bytesPerSector);
    result.totalClusters = clusters(total, clusterBytes);
    result.freeClusters = std::min(clusters(free, clusterBytes), result.totalClusters);
    return true;
}

DriveType driveType(const QString& rootPath)
{
    QString root = rootPath;
    if (root.isEmpty())
        root = windowsPath::currentFolder().first(3);
    else if (root.size() == 2)
        root += u'\\';
    const auto letter = rootLetter(root);
    if (!letter)
        return DriveType::NoRootDir;
    const auto drive = Workstation::current().drive(*letter);
    if (!drive)
        return DriveType::NoRootDir;
    if (drive->type == DriveType::Removable || drive->type == DriveType::CdRom)
        return drive->type;
    return QFileInfo(drive->hostFolder).isDir() ? drive->type : DriveType::NoRootDir;
}

bool volumeInformation(const QString& rootPath, std::uint32_t& serial, QString& label, QString& fileSystem)
{
    const auto drive = answeringDrive(rootPath);
    if (!drive)
        return false;
    serial = drive->serial.value_or(stableSerial(Workstation::current().root(), drive->letter));
    label = drive->label;
    switch (drive->type) {
    case DriveType::Removable:
        fileSystem = QStringLiteral("FAT");
        break;
    case DriveType::CdRom:
        fileSystem = QStringLiteral("CDFS");
        break;
    default:
        fileSystem = QStringLiteral("NTFS");
        break;
    }
    return true;
}

} // namespace platform::disk
