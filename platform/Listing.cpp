#include "platform/Listing.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "platform/DosAttributes.h"
#include "platform/ErrorNumber.h"
#include "platform/NameOrder.h"
#include "platform/RuntimeError.h"
#include "platform/WildcardPattern.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace platform::listing {

namespace {

constexpr int filteredBits = Hidden | System | Directory;
constexpr int settableBits = ReadOnly | Hidden | System | Archive;

bool isValidPattern(QStringView name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"|\\/").contains(c))
            return false;
    }
    return true;
}

QStringList volumeLabel(const QString& pattern)
{
    const QChar letter = windowsPath::fullPath(pattern).front();
    const Workstation& workstation = Workstation::current();
    const auto drive = workstation.drive(letter);
    if (!drive)
        throw RuntimeError(DeviceUnavailable);
    if (!workstation.isReady(letter))
        throw RuntimeError(DiskNotReady);
    return drive->label.isEmpty() ? QStringList() : QStringList{drive->label};
}

} // namespace

QStringList dir(const QString& pattern, int attributes)
{
    if (attributes == Volume)
        return volumeLabel(pattern);
    const QString folder = windowsPath::folderPart(pattern);
    QString name = windowsPath::namePart(pattern);
    if (name.isEmpty())
        name = QStringLiteral("*.*");
    if (!isValidPattern(name))
        throw RuntimeError(BadFileNameOrNumber);
    const QString windowsFolder = windowsPath::fullPath(folder);
    const QString hostFolder = windowsPath::toHost(windowsFolder);
    if (!QFileInfo(hostFolder).isDir())
        throw RuntimeError(PathNotFound);

    const WildcardPattern wildcard(name);
    QStringList names;
    const QStringList entries =
        QDir(hostFolder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    const QString prefix = hostFolder.endsWith(u'/') ? hostFolder : hostFolder + u'/';
    for (const QString& entry : entries) {
        if (!wildcard.matches(entry))
            continue;
        const auto found = dosAttributes::read(prefix + entry);
        if (found && (*found & filteredBits & ~attributes) == 0)
            names.append(entry);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return nameOrder::less(a, b); });

    const bool driveRoot = windowsFolder.size() == 3;
    if ((attributes & Directory) && !driveRoot) {
        for (const QString& dots : {QStringLiteral(".."), QStringLiteral(".")}) {
            if (wildcard.matches(dots))
                names.prepend(dots);
        }
    }
    return names;
}

int attributes(const QString& path)
{
    const auto found = dosAttributes::read(windowsPath::toHost(path));
    if (!found)
        throw RuntimeError(FileNotFound);
    return *found;
}

void setAttributes(const QString& path, int attributes)
{
    if (attributes & ~settableBits)
        throw RuntimeError(InvalidProcedureCall);
    dosAttributes::write(windowsPath::toHost(path), attributes);
}

} // namespace platform::listing
