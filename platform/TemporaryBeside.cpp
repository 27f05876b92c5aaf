#include "platform/TemporaryBeside.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include "platform/HostError.h"

namespace platform {

namespace {

const QString journalSuffix = QStringLiteral("-journal");
constexpr int hexDigits = 16;

struct Name {
    QString folder; // with its trailing "/"
    QString file;
};

Name split(const QString& hostPath)
{
    const qsizetype slash = hostPath.lastIndexOf(u'/');
    return {slash < 0 ? QStringLiteral("./") : hostPath.first(slash + 1), hostPath.sliced(slash + 1)};
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

bool sameEntry(int descriptor, const QString& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::lstat(encoded(path).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool isHex(QStringView text, qsizetype minimum, qsizetype maximum)
{
    if (text.size() < minimum || text.size() > maximum)
        return false;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    }
    return true;
}

// Whether an entry beside the target is one of its writers' temporary files: ".~NAME.<hex>", or
// ".NAME.<8 hex>.tmp" as earlier compactions named theirs.
bool isTemporaryOf(QStringView entry, const QString& target)
{
    const QString current = QStringLiteral(".~") + target + u'.';
    if (entry.startsWith(current))
        return isHex(entry.sliced(current.size()), 1, hexDigits);
    const QString earlier = u'.' + target + u'.';
    const QString tmp = QStringLiteral(".tmp");
    return entry.startsWith(earlier) && entry.endsWith(tmp) &&
           isHex(entry.sliced(earlier.size(), entry.size() - earlier.size() - tmp.size()), 8, 8);
}

QStringList entriesOf(const QString& folder)
{
    QStringList entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(encoded(folder).constData()), &::closedir);
    if (!directory)
        return entries;
    while (const dirent* entry = ::readdir(directory.get()))
        entries.append(QFile::decodeName(entry->d_name));
    return entries;
}

// Removes a temporary file whose writer no longer holds its lock, journal first.
void removeIfAbandoned(const QString& path)
{
    const int descriptor = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && sameEntry(descriptor, path)) {
        ::unlink(encoded(path + journalSuffix).constData());
        ::unlink(encoded(path).constData());
    }
    ::close(descriptor);
}

} // namespace

TemporaryBeside::TemporaryBeside(const QString& targetHostPath)
{
    const Name target = split(targetHostPath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate =
            target.folder + QStringLiteral(".~") + target.file + u'.' +
            QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(), hexDigits, 16, QLatin1Char('0'));
        const int descriptor = ::open(encoded(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno != EEXIST)
                hostError::raise(errno, 76);
            continue;
        }
        // Where the file system keeps no locks, nobody takes it for a leftover either.
        while (::flock(descriptor, LOCK_EX) != 0 && errno == EINTR) {
        }
        // Unless someone who took it for a leftover before it was locked has removed it.
        if (sameEntry(descriptor, candidate)) {
            m_path = candidate;
            m_descriptor = descriptor;
            return;
        }
        ::close(descriptor);
    }
    throw RuntimeError(75);
}

TemporaryBeside::~TemporaryBeside()
{
    if (!m_renamed) {
        ::unlink(encoded(m_path + journalSuffix).constData());
        ::unlink(encoded(m_path).constData());
    }
    ::close(m_descriptor);
}

void TemporaryBeside::removeLeftovers(const QString& targetHostPath)
{
    const Name target = split(targetHostPath);
    const QStringList entries = entriesOf(target.folder);
    QSet<QString> temporaries;
    QStringList journals;
    for (const QString& entry : entries) {
        if (isTemporaryOf(entry, target.file))
            temporaries.insert(entry);
        else if (entry.endsWith(journalSuffix) && isTemporaryOf(entry.chopped(journalSuffix.size()), target.file))
            journals.append(entry);
    }
    for (const QString& temporary : std::as_const(temporaries))
        removeIfAbandoned(target.folder + temporary);
    // A journal outlives its file only when its writer was killed while removing both.
    for (const QString& journal : std::as_const(journals)) {
        const QString owner = target.folder + journal.chopped(journalSuffix.size());
        struct stat status {};
        if (::lstat(encoded(owner).constData(), &status) != 0 && errno == ENOENT)
            ::unlink(encoded(target.folder + journal).constData());
    }
}

} // namespace platform
