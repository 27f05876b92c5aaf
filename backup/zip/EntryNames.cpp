#include "backup/zip/EntryNames.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace salvixzip::entryNames {

QString ofFile(const QString& windowsPath)
{
    const QString onDisk = platform::windowsPath::fromHost(platform::windowsPath::toHost(windowsPath));
    // "X:\" and at least one character of a name.
    if (onDisk.size() < 4 || onDisk.at(1) != u':' || onDisk.at(2) != u'\\')
        throw platform::RuntimeError(platform::BadFileNameOrNumber, windowsPath + QStringLiteral(": Bad file name"));
    QString name = onDisk.mid(3);
    name.replace(u'\\', u'/');
    return name;
}

std::optional<Parts> partsOf(const QString& entryName)
{
    if (entryName.isEmpty() || entryName.startsWith(u'/') || entryName.startsWith(u'\\') || entryName.contains(u':'))
        return std::nullopt;
    QString path = entryName;
    path.replace(u'\\', u'/');
    const bool folder = path.endsWith(u'/');
    if (folder)
        path.chop(1);
    QStringList components = path.split(u'/');
    for (const QString& component : components) {
        if (!platform::windowsPath::isPlainFileName(component))
            return std::nullopt;
    }
    Parts parts;
    if (!folder)
        parts.fileName = components.takeLast();
    parts.folders = components;
    return parts;
}

} // namespace salvixzip::entryNames
