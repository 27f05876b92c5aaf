#include "ui/WorkstationBrowsing.h"

#include <QFileInfo>
#include <QSet>

#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "platform/WildcardPattern.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace ui::workstationBrowsing {

namespace {

QString typeCaption(platform::DriveType type)
{
    switch (type) {
    case platform::DriveType::Removable:
        return QStringLiteral("rimovibile");
    case platform::DriveType::CdRom:
        return QStringLiteral("CD-ROM");
    case platform::DriveType::Remote:
        return QStringLiteral("di rete");
    case platform::DriveType::RamDisk:
        return QStringLiteral("RAM disk");
    default:
        return {};
    }
}

QString withBackslash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    return folder;
}

} // namespace

QString driveCaption(const platform::Drive& drive, bool ready)
{
    QStringList notes;
    const QString type = typeCaption(drive.type);
    if (!type.isEmpty())
        notes.append(type);
    if (!ready)
        notes.append(QStringLiteral("non pronta"));
    const QString letter = QString(drive.letter) + QLatin1Char(':');
    return notes.isEmpty() ? letter
                           : letter + QStringLiteral(" (") + notes.join(QStringLiteral(", ")) + QLatin1Char(')');
}

std::optional<QString> existingFolder(const QString& windowsPath)
{
    try {
        const QString host = platform::windowsPath::toHost(platform::windowsPath::fullPath(windowsPath));
        if (!QFileInfo(host).isDir())
            return std::nullopt;
        const QString folder = platform::windowsPath::fromHost(host);
        if (folder.isEmpty())
            return std::nullopt;
        return withBackslash(folder);
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
}

std::optional<QString> nearestExistingFolder(const QString& windowsPath)
{
    QString folder;
    try {
        folder = withBackslash(platform::windowsPath::fullPath(windowsPath));
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
    for (;;) {
        if (const std::optional<QString> found = existingFolder(folder))
            return found;
        const QString parent = parentFolder(folder);
        if (parent == folder)
            return std::nullopt;
        folder = parent;
    }
}

QString parentFolder(const QString& folder)
{
    const QString trimmed = folder.endsWith(QLatin1Char('\\')) ? folder.chopped(1) : folder;
    const qsizetype cut = trimmed.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? withBackslash(trimmed) : trimmed.left(cut + 1);
}

FolderEntries entriesOf(const QString& folder, const QStringList& patterns)
{
    const QStringList plainFiles = platform::listing::dir(folder + QStringLiteral("*"));
    const QSet<QString> fileSet(plainFiles.cbegin(), plainFiles.cend());
    FolderEntries entries;
    const QStringList everything = platform::listing::dir(folder + QStringLiteral("*"), platform::listing::Directory);
    for (const QString& name : everything) {
        if (name != QLatin1String(".") && name != QLatin1String("..") && !fileSet.contains(name))
            entries.folders.append(name);
    }
    QList<platform::WildcardPattern> matchers;
    for (const QString& list : patterns) {
        for (const QString& pattern : list.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            matchers.append(platform::WildcardPattern(pattern.trimmed()));
    }
    for (const QString& name : plainFiles) {
        for (const platform::WildcardPattern& matcher : std::as_const(matchers)) {
            if (matcher.matches(name)) {
                entries.files.append(name);
                break;
            }
        }
    }
    return entries;
}

} // namespace ui::workstationBrowsing
