#pragma once

#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "platform/DiskRoom.h"
#include "platform/ShareLock.h"
#include "platform/TemporaryBeside.h"

namespace platform {

// Replaces a host file's contents in one step: the bytes go into a temporary file beside it
// (hidden, as its name starts with "."), are flushed to disk, take over the file's permissions
// and attributes, and then take its name. Readers see the old or the new file, never a mix; a
// replacement abandoned before commit() leaves the file as it was. A file that someone has open
// under the platform's share lock is not replaced. On a drive with a capacity the new contents
// must fit beside the other files, the old contents counting as free.
class AtomicFile {
public:
    // Unchecked for the workstation's own files, which lie on no drive.
    enum class DriveLimit { Checked, Unchecked };

    // Raises 76 when the folder is missing, 75 when the file is read-only, a folder, or the
    // folder may not be written.
    explicit AtomicFile(const QString& hostPath, DriveLimit limit = DriveLimit::Checked);

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Writes at the current position. Raises 61 when the disk is full, 57 for other failures.
    void write(QByteArrayView bytes);
    // Where the next write goes, from the start of the new contents.
    qint64 position() const { return m_position; }
    void seek(qint64 position);
    // The new file gets the permissions, attributes and modification time of another file
    // instead of those of the file it replaces.
    void takeMetadataFrom(const QString& hostPath);
    // Flushes the new contents and keeps anyone from opening the file until commit(), so that
    // several files can be made ready first and then replaced together. Raises 70 when the
    // file is open.
    void prepareCommit();
    // Replaces the file, after prepareCommit() when that has not run. Raises 70 when the file
    // is open.
    void commit();

    static void write(const QString& hostPath, const QByteArray& bytes, DriveLimit limit = DriveLimit::Checked);
    // The file a replacement of hostPath writes: a symbolic link's target rather than the link.
    static QString targetOf(const QString& hostPath);

private:
    QString m_target;
    QByteArray m_metadataSource;
    bool m_copyTimes = false;
    DiskRoom m_room = DiskRoom::unlimited();
    qint64 m_position = 0;
    qint64 m_end = 0;
    std::optional<TemporaryBeside> m_temporary;
    std::optional<ShareLock> m_targetLock;
};

} // namespace platform
