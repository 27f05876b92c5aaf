#include "backup/zip/CompressorObject.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "backup/zip/EntryNames.h"
#include "backup/zip/SalvixZipServer.h"
#include "backup/zip/SalvixZipThunks.h"
#include "backup/zip/SalvixZipTypeLibrary.h"
#include "backup/zip/ZipArchive.h"
#include "platform/AtomicFile.h"
#include "platform/DiskRoom.h"
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

void copyInto(const QString& fromHost, const QString& toHost)
{
    QFile from(fromHost);
    if (!from.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(platform::DeviceIoError);
    platform::AtomicFile to(toHost);
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(buffer.data(), buffer.size());
        if (got < 0)
            throw platform::RuntimeError(platform::DeviceIoError);
        if (got == 0)
            break;
        to.write(QByteArrayView(buffer.constData(), got));
    }
    to.commit();
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

    // libzip writes past a drive's capacity unseen: on such a drive the archive is made in the
    // host's temporary folder and copied, so that a full disk fails with 61 and keeps the old one.
    if (platform::DiskRoom::forFile(archiveHost, platform::DiskRoom::Freeing::TheFile).left()) {
        const QTemporaryDir folder;
        if (!folder.isValid())
            throw RuntimeError(platform::PathFileAccessError, QStringLiteral("No temporary folder"));
        const QString made = folder.filePath(QStringLiteral("archive.zip"));
        writeZip(made, entries);
        copyInto(made, archiveHost);
        return;
    }
    writeZip(archiveHost, entries);
}

void CompressorObject::writeZip(const QString& hostPath, const std::vector<Entry>& entries) const
{
    ZipArchive archive(hostPath, m_archive, ZipArchive::Mode::Create);
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
