#pragma once

#include <optional>

#include <QString>

namespace platform {

// What a write may still add to the drive that holds a file. A drive with a Capacity in
// drives.ini (the workstation's floppy disks) holds no more than that many bytes: the bytes of
// the files in its folder, counted as they are at the time, the file being replaced not counted.
// Other drives are limited by their host volume alone.
class DiskRoom {
public:
    enum class Freeing { Nothing, TheFile };

    static DiskRoom unlimited() { return DiskRoom(std::nullopt); }
    // The room on the drive that holds hostPath; with Freeing::TheFile the bytes the file at
    // hostPath holds now count as free, as it is being replaced.
    static DiskRoom forFile(const QString& hostPath, Freeing freeing);

    // Takes bytes from the room; raises 61 (Disk full) when they do not fit, taking none.
    void take(qint64 bytes);
    std::optional<qint64> left() const { return m_left; }

    // The bytes of every file below a host folder, hidden ones included, links not followed.
    static qint64 usedBytes(const QString& hostFolder);

private:
    explicit DiskRoom(std::optional<qint64> left) : m_left(left) {}

    std::optional<qint64> m_left;
};

} // namespace platform
