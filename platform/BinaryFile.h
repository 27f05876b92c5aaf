#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

#include "platform/DiskRoom.h"
#include "platform/ShareLock.h"

namespace platform {

// A file opened For Binary on a Windows-form path: bytes read and written at a current position,
// as the runtime's Get, Put, Seek, LOF and Close do, with its numbered errors. The file is held
// under the platform's share lock while it is open: a file opened for reading may be read by
// others but not written, replaced or deleted; a file opened for writing is the writer's alone.
// On a drive with a capacity a write that would not fit raises 61. On a removable drive every
// call raises 71 once the disk is out of the drive or another disk is in its place.
class BinaryFile {
public:
    enum class Mode { Read, Write };

    // Read: an existing file; 53 when it is missing, 75 for a folder, 70 when someone has it
    // open for writing. Write: creates the file, or empties the existing one; 76 when the
    // folder is missing, 75 for a folder or a read-only file, 70 when someone has it open.
    // Both: 52 for a bad name, 68 for an unmapped drive, 71 for a drive that is not ready.
    BinaryFile(const QString& path, Mode mode);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // LOF: the length in bytes.
    qint64 length() const;
    // The bytes before the current position (the runtime's Seek counts from 1, this from 0).
    qint64 position() const { return m_position; }
    void seek(qint64 position);
    // Up to maximum bytes from the current position; fewer only at the end of the file.
    qint64 readSome(char* buffer, qint64 maximum);
    // Exactly count bytes; 62 when fewer are left.
    QByteArray read(qint64 count);
    // Writes at the current position; 75 on a file opened for reading, 61 when the disk is full.
    void write(QByteArrayView bytes);
    // After Close any other call raises 52.
    void close();

private:
    void openForReading();
    void openForWriting();
    int openedDescriptor() const;

    QString m_hostPath;
    Mode m_mode;
    bool m_onRemovableDisk = false;
    QChar m_drive;
    int m_descriptor = -1;
    ShareLock m_lock;
    DiskRoom m_room = DiskRoom::unlimited();
    qint64 m_position = 0;
    qint64 m_end = 0;
};

} // namespace platform
