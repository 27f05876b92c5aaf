#pragma once

#include <cstdint>

#include <QString>

#include "platform/Workstation.h"

namespace platform::disk {

struct FreeSpace {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};

// The free-space query on a drive root ("C:\"); false for an unmapped or not-ready drive or a
// path that is not a root. A drive's Capacity caps both counts.
bool freeSpace(const QString& rootPath, FreeSpace& result);

DriveType driveType(const QString& rootPath);

// The volume serial and label of a drive root; false when the drive is not ready.
bool volumeInformation(const QString& rootPath, std::uint32_t& serial, QString& label, QString& fileSystem);

} // namespace platform::disk
