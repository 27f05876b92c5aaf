#pragma once

#include <QString>

#include "platform/FileState.h"

namespace store {

// Database file names as callers give them: Windows paths, ".mdb" when they have no extension.
class DatabasePath {
public:
    static QString withDefaultExtension(const QString& windowsPath);
    // The host path of an existing database file; raises 3044 when its folder is missing and
    // 3024 when the file is. identity, when given, is set to the file's.
    static QString existingHostPath(const QString& completedPath, platform::FileIdentity* identity = nullptr);
    // The host path where a new file may go; raises 3044 when its folder is missing.
    static QString newHostPath(const QString& completedPath);
};

} // namespace store
