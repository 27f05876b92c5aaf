#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/TemporaryBeside.h"

namespace platform {

// Replaces a host file's contents in one step: the bytes go into a temporary file beside it
// (hidden, as its name starts with "."), are flushed to disk, take over the file's permissions
// and attributes, and then take its name. Readers see the old or the new file, never a mix; a
// replacement abandoned before commit() leaves the file as it was. A file that someone has open
// under the platform's share lock is not replaced.
class AtomicFile {
public:
    // Raises 76 when the folder is missing, 75 when the file is read-only, a folder, or the
    // folder may not be written.
    explicit AtomicFile(const QString& hostPath);

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Raises 61 when the disk is full, 57 for other write failures.
    void write(const QByteArray& bytes);
    // The new file gets the permissions, attributes and modification time of another file
    // instead of those of the file it replaces.
    void takeMetadataFrom(const QString& hostPath);
    // Raises 70 when the file is open.
    void commit();

    static void write(const QString& hostPath, const QByteArray& bytes);
    // The file a replacement of hostPath writes: a symbolic link's target rather than the link.
    static QString targetOf(const QString& hostPath);

private:
    QString m_target;
    QByteArray m_metadataSource;
    bool m_copyTimes = false;
    std::optional<TemporaryBeside> m_temporary;
};

} // namespace platform
