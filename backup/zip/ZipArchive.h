#pragma once

#include <cstdint>

#include <QString>

#include <zip.h>

namespace salvixzip {

// A libzip archive held open for one operation. Every libzip failure becomes the runtime's error
// 57 (Device I/O error) with libzip's text after the archive's Windows-form path. An archive not
// closed with close() is discarded: a new archive leaves nothing behind, an old one is untouched.
class ZipArchive {
public:
    enum class Mode { Read, Create };

    ZipArchive(const QString& hostPath, const QString& shownPath, Mode mode);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    zip_t* handle() const { return m_archive; }
    const QString& shownPath() const { return m_shownPath; }
    // Writes a created archive (to a temporary name beside it, then over the old file).
    void close();
    // Raises the archive's last libzip error.
    [[noreturn]] void raiseLastError() const;
    [[noreturn]] static void raise(const QString& shownPath, zip_error_t* error);

private:
    QString m_shownPath;
    zip_t* m_archive = nullptr;
};

} // namespace salvixzip
