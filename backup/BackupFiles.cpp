#include "backup/BackupFiles.h"

#include "automation/Boolean.h"
#include "common/Utility.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

namespace backup::backupFiles {

QString temporaryFolder()
{
    return platform::Workstation::current().tempDir();
}

void deleteMatching(const QString& folder, const QString& pattern)
{
    try {
        platform::files::removeFile(folder + pattern);
    } catch (const platform::RuntimeError&) {
    }
}

void deleteSetFiles(const QString& folder)
{
    deleteMatching(folder, QStringLiteral("Salvix.*"));
}

bool fileExists(const QString& path)
{
    QString name = path;
    return common::utility().FileExists(name) != automation::False;
}

} // namespace backup::backupFiles
