#include "explorer/store/engine/DatabasePath.h"

#include <QDir>
#include <QFileInfo>

#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/ResolvedPaths.h"
#include "platform/WindowsPath.h"

namespace store {

namespace {

const int diskNotReady = 71;

QString folderForMessage(const QString& completedPath)
{
    QString folder = platform::windowsPath::folderPart(completedPath);
    if (folder.size() > 3 && folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return folder;
}

QString hostPathOf(const QString& completedPath)
{
    try {
        return platform::windowsPath::toHost(completedPath);
    } catch (const platform::RuntimeError& error) {
        if (error.number() == diskNotReady)
            throw;
        throw engineError::invalidPath(folderForMessage(completedPath));
    }
}

} // namespace

QString DatabasePath::withDefaultExtension(const QString& windowsPath)
{
    if (platform::windowsPath::namePart(windowsPath).contains(QLatin1Char('.')))
        return windowsPath;
    return windowsPath + QStringLiteral(".mdb");
}

QString DatabasePath::newHostPath(const QString& completedPath)
{
    const QString host = hostPathOf(completedPath);
    if (!QFileInfo(host).dir().exists() || platform::windowsPath::namePart(completedPath).isEmpty())
        throw engineError::invalidPath(folderForMessage(completedPath));
    return host;
}

QString DatabasePath::existingHostPath(const QString& completedPath, platform::FileIdentity* identity)
{
    ResolvedPaths& resolved = ResolvedPaths::instance();
    if (QString host = resolved.lookUp(completedPath, identity); !host.isEmpty())
        return host;
    const QString host = hostPathOf(completedPath);
    if (ResolvedPaths::isRegularFile(host, identity)) {
        resolved.keep(completedPath, host);
        return host;
    }
    newHostPath(completedPath);
    throw engineError::fileNotFound(completedPath);
}

} // namespace store
