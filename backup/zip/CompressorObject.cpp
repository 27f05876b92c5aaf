#include "backup/zip/CompressorObject.h"

#include <QFileInfo>

#include "backup/zip/EntryNames.h"
#include "backup/zip/SalvixZipServer.h"
#include "backup/zip/SalvixZipThunks.h"
#include "backup/zip/SalvixZipTypeLibrary.h"
#include "backup/zip/ZipArchive.h"
#include "platform/AtomicFile.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

namespace salvixzip {

namespace {

constexpr int compressionLevel = 6;

// The end record of a zip without entries, which libzip does not write.
QByteArray emptyArchive()
{
    QByteArray bytes(22, '\0');
    bytes[0] = 'P';
    bytes[1] = 'K';
    bytes[2] = 5;
    bytes[3] = 6;
    return bytes;
}

} // namespace

CompressorObject::CompressorObject() : TypedDispatch(compressorInterface())
{
    setThunks(compressorThunks(*this));
    componentServer().objectCreated();
}

CompressorObject::~CompressorObject()
{
    componentServer().objectDestroyed();
}

void CompressorObject::SetArchive(QString& Path)
{
    m_archive = Path;
}

void CompressorObject::SetSpanning(std::int32_t& Value)
{
    m_spanning = Value;
}

void CompressorObject::AddFile(QString& Path)
{
    // The print templates are added as read from the settings, even when no file is set.
    if (!Path.isEmpty())
        m_files.append(Path);
}

std::int32_t CompressorObject::Finish()
{
    m_errorText.clear();
    try {
        writeArchive();
        return 0;
    } catch (const platform::RuntimeError& error) {
        m_errorText = error.description();
        return error.number();
    }
}

QString CompressorObject::ErrorText()
{
    return m_errorText;
}

void CompressorObject::writeArchive()
{
    using platform::RuntimeError;
    if (m_spanning != 0)
        throw RuntimeError(platform::InvalidProcedureCall, QStringLiteral("Disk spanning is not supported"));
    if (m_archive.isEmpty())
        throw RuntimeError(platform::BadFileNameOrNumber, QStringLiteral("No archive was set"));
    const QString archiveHost = platform::windowsPath::toHost(m_archive);
    if (!QFileInfo(QFileInfo(archiveHost).path()).isDir())
        throw RuntimeError(platform::PathNotFound, m_archive + QStringLiteral(": Path not found"));

    struct Entry {
        QString hostPath;
        QString name;
    };
    std::vector<Entry> entries;
    for (const QString& file : m_files) {
        const QString host = platform::windowsPath::toHost(file);
        const QFileInfo info(host);
        if (!info.exists())
            throw RuntimeError(platform::FileNotFound, file + QStringLiteral(": File not found"));
        if (!info.isFile())
            throw RuntimeError(platform::PathFileAccessError, file + QStringLiteral(": Path/File access error"));
        entries.push_back({host, entryNames::ofFile(file)});
    }
    if (entries.empty()) {
        platform::AtomicFile::write(archiveHost, emptyArchive());
        return;
    }

    ZipArchive archive(archiveHost, m_archive, ZipArchive::Mode::Create);
    for (const Entry& entry : entries) {
        zip_source_t* source = zip_source_file(archive.handle(), QFile::encodeName(entry.hostPath).constData(), 0, 0);
        if (!source)
            archive.raiseLastError();
        const zip_int64_t index = zip_file_add(archive.handle(), entry.name.toUtf8().constData(), source,
                                               ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            archive.raiseLastError();
        }
        if (zip_set_file_compression(archive.handle(), zip_uint64_t(index), ZIP_CM_DEFLATE, compressionLevel) != 0)
            archive.raiseLastError();
    }
    archive.close();
}

} // namespace salvixzip
