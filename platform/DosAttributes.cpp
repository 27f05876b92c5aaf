#include "platform/DosAttributes.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>

#include "platform/HostError.h"
#include "platform/Listing.h"

namespace platform::dosAttributes {

namespace {

constexpr const char* attributeName = "user.DOSATTRIB";
constexpr int storedBits = listing::ReadOnly | listing::Hidden | listing::System | listing::Archive;
constexpr mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;

bool unsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP;
}

// Samba 3 stores the text "0x%x"; Samba 4 puts the same text before a NUL and a binary record.
std::optional<int> storedAttributes(const QByteArray& path)
{
    char stored[256];
    const ssize_t length = ::getxattr(path.constData(), attributeName, stored, sizeof stored);
    if (length <= 0)
        return std::nullopt;
    QByteArray text(stored, length);
    text.truncate(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
    text = text.trimmed();
    bool ok = false;
    const int bits = text.startsWith("0x") || text.startsWith("0X") ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return bits & storedBits;
}

bool hiddenByName(const QString& hostPath)
{
    const qsizetype slash = hostPath.lastIndexOf(u'/');
    const QStringView name = QStringView(hostPath).sliced(slash + 1);
    return name.startsWith(u'.') && name != u"." && name != u"..";
}

} // namespace

std::optional<int> read(const QString& hostPath)
{
    const QByteArray path = QFile::encodeName(hostPath);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        if (::lstat(path.constData(), &status) != 0)
            return std::nullopt;
        return listing::System; // a link that leads nowhere
    }
    int bits = storedAttributes(path).value_or(0);
    if (S_ISDIR(status.st_mode)) {
        bits |= listing::Directory;
    } else if (S_ISREG(status.st_mode)) {
        if ((status.st_mode & writeBits) == 0 || ::access(path.constData(), W_OK) != 0)
            bits |= listing::ReadOnly;
    } else {
        bits |= listing::System;
    }
    if (hiddenByName(hostPath))
        bits |= listing::Hidden;
    return bits;
}

void write(const QString& hostPath, int attributes)
{
    const QByteArray path = QFile::encodeName(hostPath);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        hostError::raise(errno);
    const int stored = (attributes & storedBits) | (S_ISDIR(status.st_mode) ? listing::Directory : 0);
    char text[16];
    const int length = std::snprintf(text, sizeof text, "0x%x", stored);
    if (::setxattr(path.constData(), attributeName, text, std::size_t(length), 0) != 0 && !unsupported(errno))
        hostError::raise(errno);
    if (!S_ISREG(status.st_mode))
        return;
    mode_t mode = status.st_mode & 07777;
    if (attributes & listing::ReadOnly)
        mode &= ~writeBits;
    else if ((mode & writeBits) == 0)
        mode |= S_IWUSR;
    if (mode != (status.st_mode & 07777) && ::chmod(path.constData(), mode) != 0)
        hostError::raise(errno);
}

bool extendedAttributesSupported(const QString& hostPath)
{
    const QByteArray path = QFile::encodeName(hostPath);
    if (::getxattr(path.constData(), attributeName, nullptr, 0) >= 0)
        return true;
    return !unsupported(errno) && errno != ENOENT;
}

} // namespace platform::dosAttributes
