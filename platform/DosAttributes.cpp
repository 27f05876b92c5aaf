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

std::optional<int> storedAttributes(const QByteArray& path)
{
    char text[64];
    const ssize_t length = ::getxattr(path.constData(), attributeName, text, sizeof text - 1);
    if (length <= 0)
        return std::nullopt;
    text[length] = '\0';
    bool ok = false;
    const QByteArray value = QByteArray(text, length).trimmed();
    const int bits = value.startsWith("0x") || value.startsWith("0X") ? value.mid(2).toInt(&ok, 16) : value.toInt(&ok);
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
    char text[64];
    if (::getxattr(path.constData(), attributeName, text, sizeof text) >= 0)
        return true;
    return !unsupported(errno) && errno != ENOENT;
}

} // namespace platform::dosAttributes
