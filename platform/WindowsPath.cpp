#include "platform/WindowsPath.h"

#include <algorithm>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/ErrorNumber.h"
#include "platform/FolderNames.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

namespace platform::windowsPath {

namespace {

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

// Where a path begins: its drive and the folders before its first component, and the position
// of that component. Raises 52 for UNC paths and bad drive letters.
struct Start {
    Location location;
    qsizetype rest = 0;
};

Start startOf(const Workstation& workstation, QStringView path)
{
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        throw RuntimeError(BadFileNameOrNumber);
    if (path.size() >= 2 && path[1] == u':') {
        const QChar letter = path[0].toUpper();
        if (letter < u'A' || letter > u'Z')
            throw RuntimeError(BadFileNameOrNumber);
        if (path.size() > 2 && isSeparator(path[2]))
            return {Location{letter, {}}, 2};
        const Location current = currentLocation(workstation);
        return {current.drive == letter ? current : Location{letter, {}}, 2};
    }
    if (!path.isEmpty() && isSeparator(path[0]))
        return {Location{currentLocation(workstation).drive, {}}, 0};
    return {currentLocation(workstation), 0};
}

// What a component does to the folders before it: "." nothing, ".." one up, a name one down
// into name. The last component loses its trailing dots and blanks and goes nowhere when nothing
// is left of it. Raises 52 for a name holding a character no name may hold.
enum class Step { Stay, Up, Down };

Step stepOf(QStringView part, bool last, QString& name)
{
    if (part == u".")
        return Step::Stay;
    if (part == u"..")
        return Step::Up;
    name = last ? withoutTrailingDotsAndBlanks(part.toString()) : part.toString();
    if (name.isEmpty())
        return Step::Stay;
    if (!isValidName(name))
        throw RuntimeError(BadFileNameOrNumber);
    return Step::Down;
}

Location resolve(const Workstation& workstation, const QString& path)
{
    const Start start = startOf(workstation, path);
    Location location = start.location;
    const QStringView rest = QStringView(path).sliced(start.rest);
    QList<QStringView> parts;
    qsizetype partStart = 0;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || isSeparator(rest[i])) {
            if (i > partStart)
                parts.append(rest.sliced(partStart, i - partStart));
            partStart = i + 1;
        }
    }
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString name;
        const Step step = stepOf(parts[i], i + 1 == parts.size(), name);
        if (step == Step::Up && !location.components.isEmpty())
            location.components.removeLast();
        else if (step == Step::Down)
            location.components.append(name);
    }
    return location;
}

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// No file system here keeps a longer name.
constexpr qsizetype longestName = 255;

// The entry of hostFolder that Windows would take for name: the exact spelling, else the first
// spelling that differs only in case. Empty when there is none.
QString matchingEntry(const QString& hostFolder, const QString& name)
{
    if (name.size() > longestName)
        return QString();
    struct stat status {};
    if (::lstat(QFile::encodeName(joined(hostFolder, name)).constData(), &status) == 0)
        return name;
    return FolderNames::caseInsensitiveMatch(hostFolder, name);
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

// The prefixes of one text taken as paths, resolved in a single walk along it: the folders walked
// into so far stand on a stack, each with its host path while it exists, so that each prefix
// costs a few look-ups however long the text is.
class PrefixWalk {
public:
    // Raises what toHost raises for the beginning that all prefixes of three or more characters
    // share.
    PrefixWalk(const Workstation& workstation, QStringView text) : m_text(text)
    {
        const Start start = startOf(workstation, text.first(std::min<qsizetype>(text.size(), 3)));
        const auto drive = workstation.drive(start.location.drive);
        if (!drive)
            throw RuntimeError(DeviceUnavailable);
        if (!workstation.isReady(start.location.drive))
            throw RuntimeError(DiskNotReady);
        m_folders.append(drive->hostFolder);
        for (const QString& component : start.location.components)
            m_folders.append(inside(m_folders.back(), component));
        m_partStart = start.rest;
        m_position = start.rest;
        m_dotsAndBlanks.fill(0, text.size() + 1);
        for (qsizetype i = 0; i < text.size(); ++i)
            m_dotsAndBlanks[i + 1] = (text[i] == u'.' || text[i] == u' ') ? m_dotsAndBlanks[i] + 1 : 0;
    }

    // Walks on to the end of the prefix of that length (not shorter than the last one); false
    // when that prefix, and so every longer one, is no path.
    bool walkTo(qsizetype end)
    {
        try {
            for (; m_position < end; ++m_position) {
                const QChar c = m_text[m_position];
                if (isSeparator(c))
                    endPart();
                else if (!isValidName(QStringView(&c, 1)))
                    return false;
            }
        } catch (const RuntimeError&) {
            return false;
        }
        return true;
    }

    // What resolveProgram answers for the prefix walked to.
    QString program()
    {
        const QStringView name = m_text.sliced(m_partStart, m_position - m_partStart);
        if (const QString host = hostOfLast(name, kept(m_position, name.size())); isFile(host))
            return host;
        if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
            const QStringView withoutExtension = name.chopped(4);
            const QString host = hostOfLast(withoutExtension, kept(m_position - 4, withoutExtension.size()));
            if (isFile(host))
                return host;
        } else if (!name.contains(u'.')) {
            const QString withExtension = name.toString() + QStringLiteral(".exe");
            if (const QString host = hostOfLast(withExtension, withExtension.size()); isFile(host))
                return host;
        }
        return QString();
    }

private:
    // The length of the text ending at end once its trailing dots and blanks are gone.
    qsizetype kept(qsizetype end, qsizetype length) const { return length - std::min(length, m_dotsAndBlanks[end]); }

    // The host path of an entry of a folder; empty when the folder or the entry does not exist.
    QString inside(const QString& folder, const QString& name)
    {
        if (folder.isEmpty())
            return QString();
        const QString match = matchingEntry(folder, name);
        return match.isEmpty() ? QString() : joined(folder, match);
    }

    // The folder walked into last, or one of those before it; never above the drive's root.
    const QString& below(qsizetype levels) const
    {
        return m_folders[std::max<qsizetype>(0, m_folders.size() - 1 - levels)];
    }

    void endPart()
    {
        const QStringView part = m_text.sliced(m_partStart, m_position - m_partStart);
        if (!part.isEmpty()) {
            QString name;
            const Step step = stepOf(part, false, name);
            if (step == Step::Up && m_folders.size() > 1)
                m_folders.removeLast();
            else if (step == Step::Down)
                m_folders.append(inside(m_folders.back(), name));
            m_lastPartWentDown = step == Step::Down;
            m_lastPart = part;
        }
        m_partStart = m_position + 1;
    }

    // The host path of the prefix whose last component is part, with keptLength of its
    // characters left once its trailing dots and blanks are gone; a prefix that ends in a
    // separator has the component before it as its last one.
    QString hostOfLast(QStringView part, qsizetype keptLength)
    {
        if (part.isEmpty()) {
            if (!m_lastPartWentDown)
                return below(0);
            const qsizetype lastKept = kept(m_lastPart.data() - m_text.data() + m_lastPart.size(), m_lastPart.size());
            return lastKept == 0 ? below(1) : inside(below(1), m_lastPart.first(lastKept).toString());
        }
        if (part == u".")
            return below(0);
        if (part == u"..")
            return below(1);
        return keptLength == 0 ? below(0) : inside(below(0), part.first(keptLength).toString());
    }

    QStringView m_text;
    QList<qsizetype> m_dotsAndBlanks; // of the characters before each position
    QStringList m_folders;
    qsizetype m_position = 0;
    qsizetype m_partStart = 0;
    QStringView m_lastPart;
    bool m_lastPartWentDown = false;
};

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
        throw RuntimeError(DeviceUnavailable);
    if (!workstation.isReady(location.drive))
        throw RuntimeError(DiskNotReady);
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

std::optional<ProgramPrefix> longestProgramPrefix(QStringView text, const QList<qsizetype>& ends)
{
    std::optional<ProgramPrefix> found;
    qsizetype next = 0;
    // Prefixes too short to show how the longer ones begin are resolved one by one.
    for (; next < ends.size() && ends[next] < 3; ++next) {
        if (QString host = resolveProgram(text.first(ends[next]).toString()); !host.isEmpty())
            found = ProgramPrefix{ends[next], std::move(host)};
    }
    if (next == ends.size())
        return found;
    try {
        PrefixWalk walk(Workstation::current(), text);
        for (; next < ends.size() && walk.walkTo(ends[next]); ++next) {
            if (QString host = walk.program(); !host.isEmpty())
                found = ProgramPrefix{ends[next], std::move(host)};
        }
    } catch (const RuntimeError&) {
        // A bad name, an unmapped drive or one not ready holds no program.
    }
    return found;
}

bool isPlainFileName(QStringView name)
{
    // A name of dots and blanks alone loses them all and names the folder itself.
    if (withoutTrailingDotsAndBlanks(name.toString()).isEmpty() || !isValidName(name))
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
