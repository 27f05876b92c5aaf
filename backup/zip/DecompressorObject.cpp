#include "backup/zip/DecompressorObject.h"

#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <vector>
#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "backup/zip/EntryNames.h"
#include "backup/zip/SalvixZipServer.h"
#include "backup/zip/SalvixZipThunks.h"
#include "backup/zip/SalvixZipTypeLibrary.h"
#include "backup/zip/ZipArchive.h"
#include "platform/AtomicFile.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WildcardPattern.h"
#include "platform/WindowsPath.h"

namespace salvixzip {

namespace {

using platform::RuntimeError;

constexpr zip_int64_t chunkBytes = 256 * 1024;

struct PlannedEntry {
    zip_uint64_t index;
    QString name;
    QString folder; // Windows form, ending in "\"
    QString fileName;
    zip_uint64_t size;
    zip_uint32_t crc;
    std::time_t modified;
};

struct ExtractedEntry {
    std::unique_ptr<platform::AtomicFile> file;
    QString hostPath;
    std::time_t modified;
};

bool wanted(const QString& fileName, const QString& include, const QString& exclude)
{
    if (!include.isEmpty() && !platform::WildcardPattern(include).matches(fileName))
        return false;
    return exclude.isEmpty() || !platform::WildcardPattern(exclude).matches(fileName);
}

std::vector<PlannedEntry> plan(const ZipArchive& archive, const QString& baseFolder, bool restoreFolders,
                               const QString& include, const QString& exclude)
{
    std::vector<PlannedEntry> entries;
    const zip_int64_t count = zip_get_num_entries(archive.handle(), 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(archive.handle(), zip_uint64_t(index), 0, &stat) != 0)
            archive.raiseLastError();
        const QString name = QString::fromUtf8(stat.name);
        const auto parts = entryNames::partsOf(name);
        // Checked for every entry before anything is written, selected or not.
        if (!parts)
            throw RuntimeError(platform::BadFileNameOrNumber,
                               archive.shownPath() + QStringLiteral(": entry name refused: ") + name);
        if (parts->fileName.isEmpty() && !restoreFolders)
            continue;
        if (!parts->fileName.isEmpty() && !wanted(parts->fileName, include, exclude))
            continue;
        QString folder = baseFolder;
        if (restoreFolders) {
            for (const QString& component : parts->folders)
                folder += component + u'\\';
        }
        entries.push_back({zip_uint64_t(index), name, folder, parts->fileName, stat.size, stat.crc, stat.mtime});
    }
    return entries;
}

void makeFolder(const QString& windowsFolder)
{
    const QString host = platform::windowsPath::toHost(windowsFolder);
    if (!QDir().mkpath(host))
        throw RuntimeError(platform::PathFileAccessError, windowsFolder + QStringLiteral(": Path/File access error"));
}

// Writes the entry to a temporary name beside its file and checks its size and CRC.
void inflateInto(const ZipArchive& archive, const PlannedEntry& entry, platform::AtomicFile& file)
{
    zip_file_t* input = zip_fopen_index(archive.handle(), entry.index, 0);
    if (!input)
        archive.raiseLastError();
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(input, zip_fclose);
    QByteArray buffer(chunkBytes, Qt::Uninitialized);
    zip_uint64_t total = 0;
    uLong crc = crc32(0L, Z_NULL, 0);
    for (;;) {
        const zip_int64_t got = zip_fread(input, buffer.data(), zip_uint64_t(buffer.size()));
        if (got < 0)
            ZipArchive::raise(archive.shownPath() + QStringLiteral(": ") + entry.name, zip_file_get_error(input));
        if (got == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.constData()), uInt(got));
        file.write(QByteArrayView(buffer.constData(), got));
        total += zip_uint64_t(got);
    }
    if (total != entry.size || crc != entry.crc)
        throw RuntimeError(platform::DeviceIoError,
                           archive.shownPath() + QStringLiteral(": ") + entry.name + QStringLiteral(": CRC error"));
}

void setModified(const QString& hostPath, std::time_t modified)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, {modified, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(hostPath).constData(), times, 0);
}

} // namespace

DecompressorObject::DecompressorObject() : TypedDispatch(decompressorInterface())
{
    setThunks(decompressorThunks(*this));
    componentServer().objectCreated();
}

DecompressorObject::~DecompressorObject()
{
    componentServer().objectDestroyed();
}

void DecompressorObject::SetArchive(QString& Path)
{
    m_archive = Path;
}

void DecompressorObject::SetOverwrite(std::int16_t& Value)
{
    m_overwrite = Value != 0;
}

void DecompressorObject::SetRestoreFolders(std::int16_t& Value)
{
    m_restoreFolders = Value != 0;
}

void DecompressorObject::SetBaseFolder(QString& Path)
{
    m_baseFolder = Path;
}

std::int32_t DecompressorObject::Extract(QString& Include, QString& Exclude)
{
    m_errorText.clear();
    try {
        extract(Include, Exclude);
        return 0;
    } catch (const RuntimeError& error) {
        m_errorText = error.description();
        return error.number();
    }
}

QString DecompressorObject::ErrorText()
{
    return m_errorText;
}

void DecompressorObject::extract(const QString& include, const QString& exclude)
{
    if (m_archive.isEmpty())
        throw RuntimeError(platform::BadFileNameOrNumber, QStringLiteral("No archive was set"));
    const QString archiveHost = platform::windowsPath::toHost(m_archive);
    if (!QFileInfo(archiveHost).isFile())
        throw RuntimeError(platform::FileNotFound, m_archive + QStringLiteral(": File not found"));
    QString baseFolder =
        platform::windowsPath::fullPath(m_baseFolder.isEmpty() ? platform::windowsPath::currentFolder() : m_baseFolder);
    if (!baseFolder.endsWith(u'\\'))
        baseFolder += u'\\';

    const ZipArchive archive(archiveHost, m_archive, ZipArchive::Mode::Read);
    const std::vector<PlannedEntry> entries = plan(archive, baseFolder, m_restoreFolders, include, exclude);
    std::vector<ExtractedEntry> extracted;
    for (const PlannedEntry& entry : entries) {
        makeFolder(entry.folder);
        if (entry.fileName.isEmpty())
            continue;
        const QString hostPath = platform::windowsPath::toHost(entry.folder + entry.fileName);
        if (!m_overwrite && QFileInfo::exists(hostPath))
            continue;
        // Of two entries for one file the later wins, as with any zip tool.
        std::erase_if(extracted, [&](const ExtractedEntry& done) { return done.hostPath == hostPath; });
        auto file = std::make_unique<platform::AtomicFile>(hostPath);
        inflateInto(archive, entry, *file);
        extracted.push_back({std::move(file), hostPath, entry.modified});
    }
    // Every file is made ready before the first one is replaced, so that a file in use stops
    // the restore before it changed anything.
    for (ExtractedEntry& entry : extracted)
        entry.file->prepareCommit();
    for (ExtractedEntry& entry : extracted) {
        entry.file->commit();
        setModified(entry.hostPath, entry.modified);
    }
}

} // namespace salvixzip
