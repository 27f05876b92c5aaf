#pragma once

#include <optional>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

// A file opened for binary access by a Windows path: reads and writes at its current position,
// raising the runtime's numbered errors. A missing file to read is 53, a removable drive without
// its disk 71, and writing past what the drive's Capacity leaves free is 61 (disk full), as a
// full floppy disk answers.
class BinaryFile {
public:
    enum class Mode { Read, Write }; // Write creates the file, or empties it

    BinaryFile(const QString& path, Mode mode);

    qint64 length() const;
    qint64 position() const;
    // `count` bytes from the current position; 62 when the file holds fewer.
    QByteArray read(qint64 count);
    void write(const QByteArray& bytes);
    // Flushes the written bytes to the disk; 61 or 57 when that fails.
    void close();

private:
    QFile m_file;
    std::optional<qint64> m_room; // what the drive's capacity still takes
};

} // namespace platform
