#include "platform/FolderNames.h"

#include <cerrno>
#include <dirent.h>
#include <map>
#include <mutex>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <utility>

#include <QFile>
#include <QMultiHash>

#include "platform/NameOrder.h"

namespace platform {

namespace {

using FolderIdentity = std::pair<dev_t, ino_t>;

// What a folder holds is remembered for this many folders and names at most.
constexpr std::size_t keptFolders = 32;
constexpr qsizetype keptNames = 100000;

constexpr std::uint32_t watchedChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_ONLYDIR;

// File systems whose folders other machines change without a notice reaching this one.
bool isNetworkFileSystem(const QByteArray& hostFolder)
{
    struct statfs status {};
    if (::statfs(hostFolder.constData(), &status) != 0)
        return true;
    switch (static_cast<unsigned long>(status.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE
    case 0x01021997UL: // 9P
    case 0x00C36400UL: // Ceph
    case 0x5346414FUL: // AFS
    case 0x73757245UL: // Coda
    case 0x564CUL:     // NCP
        return true;
    default:
        return false;
    }
}

QString leastOf(const QList<QString>& spellings)
{
    QString least;
    for (const QString& spelling : spellings) {
        if (least.isNull() || nameOrder::less(spelling, least))
            least = spelling;
    }
    return least;
}

// Calls take(name) for every entry of the folder but "." and ".."; false when it cannot be read.
template <typename Take> bool readFolder(const QByteArray& hostFolder, Take take)
{
    DIR* folder = ::opendir(hostFolder.constData());
    if (folder == nullptr)
        return false;
    while (const dirent* entry = ::readdir(folder)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        take(QFile::decodeName(name));
    }
    ::closedir(folder);
    return true;
}

class Index {
public:
    QString match(const QString& hostFolder, const QString& name)
    {
        const QByteArray encoded = QFile::encodeName(hostFolder);
        struct stat status {};
        if (::stat(encoded.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
            return QString();
        const QString folded = name.toCaseFolded();
        std::lock_guard guard(m_mutex);
        readNotices();
        const FolderIdentity identity{status.st_dev, status.st_ino};
        auto found = m_folders.find(identity);
        if (found == m_folders.end())
            found = startWatching(identity, encoded);
        if (found == m_folders.end())
            return scan(encoded, folded);
        found->second.lastUse = ++m_uses;
        return leastOf(found->second.names.values(folded));
    }

private:
    struct Folder {
        int watch = -1;
        QMultiHash<QString, QString> names; // the spellings by their case-folded forms
        quint64 lastUse = 0;
    };
    using Folders = std::map<FolderIdentity, Folder>;

    // The folder read after its watch is set, so that no change can fall between the two.
    Folders::iterator startWatching(const FolderIdentity& identity, const QByteArray& hostFolder)
    {
        if (notices() < 0 || isNetworkFileSystem(hostFolder))
            return m_folders.end();
        const int watch = ::inotify_add_watch(m_notices, hostFolder.constData(), watchedChanges);
        if (watch < 0)
            return m_folders.end();
        Folder folder;
        folder.watch = watch;
        const bool read = readFolder(hostFolder, [&](QString entry) {
            QString folded = entry.toCaseFolded();
            folder.names.insert(std::move(folded), std::move(entry));
        });
        if (!read || folder.names.size() > keptNames) {
            ::inotify_rm_watch(m_notices, watch);
            return m_folders.end();
        }
        m_keptNames += folder.names.size();
        m_byWatch[watch] = identity;
        const auto added = m_folders.insert_or_assign(identity, std::move(folder)).first;
        added->second.lastUse = ++m_uses;
        keepWithinBounds();
        readNotices();
        return m_folders.find(identity);
    }

    static QString scan(const QByteArray& hostFolder, const QString& folded)
    {
        QList<QString> spellings;
        readFolder(hostFolder, [&](QString entry) {
            if (entry.toCaseFolded() == folded)
                spellings.append(std::move(entry));
        });
        return leastOf(spellings);
    }

    int notices()
    {
        if (m_notices == -2)
            m_notices = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        return m_notices;
    }

    void readNotices()
    {
        if (m_notices < 0 || m_folders.empty())
            return;
        alignas(inotify_event) char buffer[16 * 1024];
        for (;;) {
            const ssize_t length = ::read(m_notices, buffer, sizeof buffer);
            if (length < 0 && errno == EINTR)
                continue;
            if (length <= 0)
                return;
            for (ssize_t at = 0; at < length;) {
                const auto* notice = reinterpret_cast<const inotify_event*>(buffer + at);
                apply(*notice);
                at += ssize_t(sizeof(inotify_event) + notice->len);
            }
        }
    }

    void apply(const inotify_event& notice)
    {
        if (notice.mask & IN_Q_OVERFLOW) {
            // Changes were lost: every folder is read again when next wanted.
            while (!m_folders.empty())
                forget(m_folders.begin(), true);
            return;
        }
        const auto watched = m_byWatch.find(notice.wd);
        if (watched == m_byWatch.end())
            return;
        const auto folder = m_folders.find(watched->second);
        if (notice.mask & (IN_IGNORED | IN_DELETE_SELF | IN_UNMOUNT)) {
            forget(folder, (notice.mask & IN_IGNORED) == 0);
            return;
        }
        if (notice.len == 0)
            return;
        QString name = QFile::decodeName(notice.name);
        QString folded = name.toCaseFolded();
        QMultiHash<QString, QString>& names = folder->second.names;
        if (notice.mask & (IN_CREATE | IN_MOVED_TO)) {
            if (!names.contains(folded, name)) {
                names.insert(std::move(folded), std::move(name));
                ++m_keptNames;
            }
        } else if (notice.mask & (IN_DELETE | IN_MOVED_FROM)) {
            m_keptNames -= names.remove(folded, name);
        }
    }

    void forget(Folders::iterator folder, bool removeWatch)
    {
        if (removeWatch)
            ::inotify_rm_watch(m_notices, folder->second.watch);
        m_byWatch.erase(folder->second.watch);
        m_keptNames -= folder->second.names.size();
        m_folders.erase(folder);
    }

    void keepWithinBounds()
    {
        while (m_folders.size() > keptFolders || (m_keptNames > keptNames && m_folders.size() > 1)) {
            auto oldest = m_folders.begin();
            for (auto folder = m_folders.begin(); folder != m_folders.end(); ++folder) {
                if (folder->second.lastUse < oldest->second.lastUse)
                    oldest = folder;
            }
            forget(oldest, true);
        }
    }

    std::mutex m_mutex;
    int m_notices = -2; // -2 until first wanted, -1 when notices cannot be had
    Folders m_folders;
    std::map<int, FolderIdentity> m_byWatch;
    qsizetype m_keptNames = 0;
    quint64 m_uses = 0;
};

Index& index()
{
    // Never destroyed: look-ups while the process ends still find it.
    static Index* const instance = new Index;
    return *instance;
}

} // namespace

QString FolderNames::caseInsensitiveMatch(const QString& hostFolder, const QString& name)
{
    return index().match(hostFolder, name);
}

} // namespace platform
