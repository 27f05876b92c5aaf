#pragma once

#include <list>
#include <mutex>

#include <QString>

#include "platform/FileState.h"

namespace store {

// The host paths of database files that their Windows paths named letter for letter (a drive,
// then names each matching an entry of the same spelling), so that the next open of the same
// path finds its file with one look instead of one per folder: a path looked up that way
// stands while its drive is mapped to the same host folder and a file is at that host path,
// since the walk would then find the same entries again. Only a few are kept.
class ResolvedPaths {
public:
    static ResolvedPaths& instance();

    // The host path of the regular file that windowsPath named last time, when it still does;
    // empty otherwise. identity, when given, is set to the file's.
    QString lookUp(const QString& windowsPath, platform::FileIdentity* identity);
    // Keeps hostPath for windowsPath, when it is windowsPath spelled letter for letter under its
    // drive's folder.
    void keep(const QString& windowsPath, const QString& hostPath);

    // Whether a regular file is at hostPath (after links); identity, when given, is set to its.
    static bool isRegularFile(const QString& hostPath, platform::FileIdentity* identity);

    static constexpr std::size_t bound = 16;

private:
    struct Resolved {
        QString windowsPath;
        QString driveFolder;
        QString hostPath;
    };

    ResolvedPaths() = default;

    std::mutex m_mutex;
    std::list<Resolved> m_paths; // the most recently used first
};

} // namespace store
