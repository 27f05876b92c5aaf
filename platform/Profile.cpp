#include "platform/Profile.h"

#include <mutex>
#include <optional>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "platform/FolderLock.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace platform::profile {

namespace {

// A name without any folder or drive lives in the Windows folder; anything else (".\a.ini",
// "sub\a.ini", "C:a.ini") is a path of its own, as on the platform.
QString hostPathOf(const QString& fileName)
{
    const QString name = fileName.isNull() ? QStringLiteral("win.ini") : fileName;
    if (name.isEmpty())
        throw RuntimeError(52);
    const bool bare = !name.contains(u'\\') && !name.contains(u'/') && !(name.size() >= 2 && name[1] == u':');
    if (bare)
        return windowsPath::toHost(Workstation::current().windowsDir() + u'\\' + name);
    return windowsPath::toHost(name);
}

std::optional<IniFile> readFile(const QString& fileName)
{
    try {
        return IniFile::read(hostPathOf(fileName));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// What a read yields: a value, or a list of names each followed by a NUL.
struct Lookup {
    QString text;
    bool isList = false;
};

Lookup lookUp(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName)
{
    const Lookup fallback{withoutTrailingBlanks(defaultValue), false};
    const auto file = readFile(fileName);
    if (!file)
        return fallback;
    const IniDocument& document = file->document();
    QStringList names;
    if (section.isNull()) {
        names = document.sectionNames();
    } else if (key.isNull()) {
        names = document.keyNames(section);
        if (names.isEmpty())
            return fallback;
    } else {
        return Lookup{document.value(section, key).value_or(fallback.text), false};
    }
    Lookup list{QString(), true};
    for (const QString& name : names)
        list.text += name + QChar(u'\0');
    return list;
}

// What a file was when it was read: any change to it changes one of these.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified[2] = {};
    std::int64_t changed[2] = {};
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

std::optional<FileStamp> stampOf(const QString& hostPath)
{
    struct stat status {};
    if (::stat(QFile::encodeName(hostPath).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp{status.st_dev,
                     status.st_ino,
                     status.st_size,
                     {status.st_mtim.tv_sec, status.st_mtim.tv_nsec},
                     {status.st_ctim.tv_sec, status.st_ctim.tv_nsec}};
}

// The last answer that did not fit the caller's buffer. A caller growing its buffer asks again
// at once; while the file stays as it was, it is not read again for that.
class PendingAnswer {
public:
    Lookup answer(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                  std::uint32_t size)
    {
        std::lock_guard guard(m_mutex);
        QString hostPath;
        try {
            hostPath = hostPathOf(fileName);
        } catch (const RuntimeError&) {
            m_pending.reset();
            return lookUp(section, key, defaultValue, fileName);
        }
        const auto before = stampOf(hostPath);
        const Arguments arguments{section, key, defaultValue, hostPath};
        if (m_pending && m_pending->arguments == arguments && before && m_pending->stamp == *before) {
            const Lookup found = m_pending->found;
            if (fits(found, size))
                m_pending.reset();
            return found;
        }
        m_pending.reset();
        Lookup found = lookUp(section, key, defaultValue, fileName);
        if (before && stampOf(hostPath) == before && !fits(found, size))
            m_pending = Pending{arguments, *before, found};
        return found;
    }

private:
    // Whether the caller can tell that it has the whole answer.
    static bool fits(const Lookup& found, std::uint32_t size) { return std::uint64_t(found.text.size()) + 2 < size; }

    struct Arguments {
        QString section;
        QString key;
        QString defaultValue;
        QString hostPath;
        // A null name asks for a list, an empty one for that name.
        bool operator==(const Arguments& other) const
        {
            return section.isNull() == other.section.isNull() && key.isNull() == other.key.isNull() &&
                   section == other.section && key == other.key && defaultValue == other.defaultValue &&
                   hostPath == other.hostPath;
        }
    };
    struct Pending {
        Arguments arguments;
        FileStamp stamp;
        Lookup found;
    };
    std::mutex m_mutex;
    std::optional<Pending> m_pending;
};

PendingAnswer& pendingAnswer()
{
    static PendingAnswer instance;
    return instance;
}

} // namespace

std::uint32_t getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                      char16_t* buffer, std::uint32_t size, const QString& fileName)
{
    if (!buffer || size == 0)
        return 0;
    const Lookup found = pendingAnswer().answer(section, key, defaultValue, fileName, size);
    const auto length = std::size_t(found.text.size());
    const char16_t* text = reinterpret_cast<const char16_t*>(found.text.utf16());
    if (!found.isList) {
        const std::size_t copied = std::min<std::size_t>(length, size - 1);
        std::copy_n(text, copied, buffer);
        buffer[copied] = u'\0';
        return std::uint32_t(copied);
    }
    if (length + 1 <= size) {
        std::copy_n(text, length, buffer);
        buffer[length] = u'\0';
        if (length == 0 && size >= 2)
            buffer[1] = u'\0';
        return std::uint32_t(length);
    }
    // The list did not fit: its last name is cut and followed by two NULs.
    if (size < 2) {
        buffer[0] = u'\0';
        return 0;
    }
    std::copy_n(text, size - 2, buffer);
    buffer[size - 2] = u'\0';
    buffer[size - 1] = u'\0';
    return size - 2;
}

bool writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName)
{
    if (section.isNull())
        return key.isNull() && value.isNull(); // the platform's "flush the cache" request
    // A line break or a key that opens a section would change entries other than this one.
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || key.trimmed().startsWith(u'['))
        return false;
    try {
        // Writers that reach one file by different links meet at the folder of the file itself,
        // and look its name up again there: another may have just created it in another case.
        const QFileInfo info(AtomicFile::targetOf(hostPathOf(fileName)));
        if (!info.dir().exists())
            return false;
        const FolderLock lock(info.absolutePath());
        const QString hostPath = AtomicFile::targetOf(hostPathOf(fileName));
        auto file = IniFile::read(hostPath);
        const bool existed = file.has_value();
        if (!existed && QFileInfo::exists(hostPath))
            return false; // there but unreadable: replacing it would lose its entries
        if (!file)
            file = IniFile();
        IniDocument& document = file->document();
        bool changed = false;
        if (key.isNull())
            changed = document.removeSection(section);
        else if (value.isNull())
            changed = document.removeKey(section, key);
        else
            changed = document.setValue(section, key, value);
        if (changed)
            AtomicFile::write(hostPath, file->bytes());
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

QString readString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName)
{
    return lookUp(section, key, defaultValue, fileName).text;
}

} // namespace platform::profile
