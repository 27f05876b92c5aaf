#include "platform/WindowsPath.h"

#include <sys/stat.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/NameOrder.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

namespace platform::windowsPath {

namespace {

constexpr int badFileName = 52;
constexpr int deviceUnavailable = 68;
constexpr int diskNotReady = 71;

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

bool isValidName(QStringView name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"<>:\"|?*").contains(c))
            return false;
    }
    return true;
}

struct Location {
    QChar drive;
    QStringList components;

    QString text() const { return QString(drive) + QStringLiteral(":\\") + components.join(u'\\'); }
};

Location locationOf(const QString& windowsForm)
{
    return Location{windowsForm.front().toUpper(), windowsForm.sliced(2).split(u'\\', Qt::SkipEmptyParts)};
}

Location currentLocation(const Workstation& workstation)
{
    const QString current = fromHost(workstation, QDir::currentPath());
    return current.isEmpty() ? Location{u'C', {}} : locationOf(current);
}

// Windows drops the dots and blanks that end a path's last name.
QString withoutTrailingDotsAndBlanks(QString name)
{
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' '))
        name.chop(1);
    return name;
}

Location resolve(const Workstation& workstation, const QString& path)
{
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        throw RuntimeError(badFileName);
    Location location;
    QStringView rest(path);
    if (path.size() >= 2 && path[1] == u':') {
        const QChar letter = path[0].toUpper();
        if (letter < u'A' || letter > u'Z')
            throw RuntimeError(badFileName);
        rest = rest.sliced(2);
        if (!rest.isEmpty() && isSeparator(rest.front())) {
            location = Location{letter, {}};
        } else {
            const Location current = currentLocation(workstation);
            location = current.drive == letter ? current : Location{letter, {}};
        }
    } else if (!path.isEmpty() && isSeparator(path[0])) {
        location = Location{currentLocation(workstation).drive, {}};
    } else {
        location = currentLocation(workstation);
    }

    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || isSeparator(rest[i])) {
            if (i > start)
                parts.append(rest.sliced(start, i - start));
            start = i + 1;
        }
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i] == u".")
            continue;
        if (parts[i] == u"..") {
            if (!location.components.isEmpty())
                location.components.removeLast();
            continue;
        }
        const QString name =
            i + 1 == parts.size() ? withoutTrailingDotsAndBlanks(parts[i].toString()) : parts[i].toString();
        if (name.isEmpty())
            continue;
        if (!isValidName(name))
            throw RuntimeError(badFileName);
        location.components.append(name);
    }
    return location;
}

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of hostFolder that Windows would take for name: the exact spelling, else the first
// spelling that differs only in case. Empty when there is none.
QString matchingEntry(const QString& hostFolder, const QString& name)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(joined(hostFolder, name)).constData(), &status) == 0)
        return name;
    QString best;
    const QStringList entries =
        QDir(hostFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || nameOrder::less(entry, best)))
            best = entry;
    }
    return best;
}

QStringList hostForms(const QString& path)
{
    QStringList forms{QDir::cleanPath(path)};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != forms.front())
        forms.append(canonical);
    return forms;
}

bool isFile(const QString& hostPath)
{
    return QFileInfo(hostPath).isFile();
}

} // namespace

bool isAbsolute(const QString& path)
{
    if (!path.isEmpty() && isSeparator(path[0]))
        return true;
    return path.size() >= 3 && path[1] == u':' && isSeparator(path[2]);
}

QString toHost(const QString& path)
{
    return toHost(Workstation::current(), path);
}

QString toHost(const Workstation& workstation, const QString& path)
{
    const Location location = resolve(workstation, path);
    const auto drive = workstation.drive(location.drive);
    if (!drive)
        throw RuntimeError(deviceUnavailable);
    if (!workstation.isReady(location.drive))
        throw RuntimeError(diskNotReady);
    QString host = drive->hostFolder;
    bool existing = true;
    for (const QString& component : location.components) {
        QString name = component;
        if (existing) {
            const QString match = matchingEntry(host, component);
            existing = !match.isEmpty();
            if (existing)
                name = match;
        }
        host = joined(host, name);
    }
    return host;
}

QString fromHost(const QString& hostPath)
{
    return fromHost(Workstation::current(), hostPath);
}

QString fromHost(const Workstation& workstation, const QString& hostPath)
{
    const QStringList paths = hostForms(QDir::current().absoluteFilePath(hostPath));
    QChar bestLetter;
    qsizetype bestLength = -1;
    QString bestRest;
    for (const Drive& drive : workstation.drives()) {
        for (const QString& folder : hostForms(drive.hostFolder)) {
            if (folder.size() <= bestLength)
                continue;
            for (const QString& path : paths) {
                QString rest;
                if (folder == u"/")
                    rest = path.sliced(1);
                else if (path == folder)
                    rest = QString();
                else if (path.startsWith(folder + u'/'))
                    rest = path.sliced(folder.size() + 1);
                else
                    continue;
                bestLetter = drive.letter;
                bestLength = folder.size();
                bestRest = rest;
                break;
            }
        }
    }
    if (bestLength < 0)
        return QString();
    return QString(bestLetter) + QStringLiteral(":\\") + bestRest.replace(u'/', u'\\');
}

QString fullPath(const QString& path)
{
    return resolve(Workstation::current(), path).text();
}

QString currentFolder()
{
    return currentLocation(Workstation::current()).text();
}

QString resolveProgram(const QString& path)
{
    if (path.isEmpty())
        return QString();
    try {
        const QString host = toHost(path);
        if (isFile(host))
            return host;
        const QString name = namePart(path);
        if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
            const QString withoutExtension = toHost(path.chopped(4));
            if (isFile(withoutExtension))
                return withoutExtension;
        } else if (!name.contains(u'.')) {
            // As the platform does, a program named without extension may be an ".exe".
            const QString withExtension = toHost(path + QStringLiteral(".exe"));
            if (isFile(withExtension))
                return withExtension;
        }
    } catch (const RuntimeError&) {
        // A bad name, an unmapped drive or one not ready holds no program.
    }
    return QString();
}

bool isPlainFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u".." || !isValidName(name))
        return false;
    if (std::any_of(name.begin(), name.end(), isSeparator))
        return false;
    const QStringView base = name.left(name.indexOf(u'.')).trimmed();
    static const QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                     QStringLiteral("NUL")};
    if (devices.contains(base, Qt::CaseInsensitive))
        return false;
    const bool numberedDevice =
        base.size() == 4 && base.back() >= u'1' && base.back() <= u'9' &&
        (base.startsWith(u"COM", Qt::CaseInsensitive) || base.startsWith(u"LPT", Qt::CaseInsensitive));
    return !numberedDevice;
}

QString folderPart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]))
            return path.first(i + 1);
    }
    return path.size() >= 2 && path[1] == u':' ? path.first(2) : QString();
}

QString namePart(const QString& path)
{
    return path.sliced(folderPart(path).size());
}

} // namespace platform::windowsPath
