#include "explorer/store/engine/ResolvedPaths.h"

#include <optional>
#include <sys/stat.h>

#include <QFile>

#include "platform/Workstation.h"

namespace store {

namespace {

// The host folder of the drive of an absolute windowsPath ("X:\..."), when the drive is ready.
std::optional<QString> driveFolderOf(const QString& windowsPath)
{
    if (windowsPath.size() < 4 || windowsPath[1] != u':' || windowsPath[2] != u'\\')
        return std::nullopt;
    const platform::Workstation& workstation = platform::Workstation::current();
    const std::optional<platform::Drive> drive = workstation.drive(windowsPath[0]);
    if (!drive || !workstation.isReady(windowsPath[0]))
        return std::nullopt;
    return drive->hostFolder;
}

QString spelledUnder(const QString& folder, const QString& windowsPath)
{
    QString rest = windowsPath.sliced(3);
    rest.replace(u'\\', u'/');
    return folder.endsWith(u'/') ? folder + rest : folder + u'/' + rest;
}

} // namespace

ResolvedPaths& ResolvedPaths::instance()
{
    // Never destroyed: databases opened while the process ends still find it.
    static ResolvedPaths* const paths = new ResolvedPaths;
    return *paths;
}

bool ResolvedPaths::isRegularFile(const QString& hostPath, platform::FileIdentity* identity)
{
    struct stat status {};
    if (::stat(QFile::encodeName(hostPath).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (identity != nullptr)
        *identity = {status.st_dev, status.st_ino};
    return true;
}

QString ResolvedPaths::lookUp(const QString& windowsPath, platform::FileIdentity* identity)
{
    std::optional<Resolved> found;
    {
        std::lock_guard guard(m_mutex);
        for (auto resolved = m_paths.begin(); resolved != m_paths.end(); ++resolved) {
            if (resolved->windowsPath == windowsPath) {
                m_paths.splice(m_paths.begin(), m_paths, resolved);
                found = m_paths.front();
                break;
            }
        }
    }
    if (!found || driveFolderOf(windowsPath) != found->driveFolder || !isRegularFile(found->hostPath, identity))
        return QString();
    return found->hostPath;
}

void ResolvedPaths::keep(const QString& windowsPath, const QString& hostPath)
{
    const std::optional<QString> driveFolder = driveFolderOf(windowsPath);
    if (!driveFolder || spelledUnder(*driveFolder, windowsPath) != hostPath)
        return;
    std::lock_guard guard(m_mutex);
    std::erase_if(m_paths, [&](const Resolved& resolved) { return resolved.windowsPath == windowsPath; });
    m_paths.push_front(Resolved{windowsPath, *driveFolder, hostPath});
    if (m_paths.size() > bound)
        m_paths.pop_back();
}

} // namespace store
