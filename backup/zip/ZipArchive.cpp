#include "backup/zip/ZipArchive.h"

#include <QFile>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace salvixzip {

ZipArchive::ZipArchive(const QString& hostPath, const QString& shownPath, Mode mode) : m_shownPath(shownPath)
{
    const int flags = mode == Mode::Read ? ZIP_RDONLY | ZIP_CHECKCONS : ZIP_CREATE | ZIP_TRUNCATE;
    int code = 0;
    m_archive = zip_open(QFile::encodeName(hostPath).constData(), flags, &code);
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        raise(shownPath, &error);
    }
}

ZipArchive::~ZipArchive()
{
    if (m_archive)
        zip_discard(m_archive);
}

void ZipArchive::close()
{
    if (zip_close(m_archive) != 0)
        raiseLastError();
    m_archive = nullptr;
}

void ZipArchive::raiseLastError() const
{
    raise(m_shownPath, zip_get_error(m_archive));
}

void ZipArchive::raise(const QString& shownPath, zip_error_t* error)
{
    const QString text = shownPath + QStringLiteral(": ") + QString::fromLocal8Bit(zip_error_strerror(error));
    zip_error_fini(error);
    throw platform::RuntimeError(platform::DeviceIoError, text);
}

} // namespace salvixzip
