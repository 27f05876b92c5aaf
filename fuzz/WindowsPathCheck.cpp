#include "fuzz/WindowsPathCheck.h"

#include <QDir>

#include "fuzz/FuzzWorld.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

namespace fuzz {

namespace {

namespace windowsPath = platform::windowsPath;

constexpr qsizetype longestPath = 1024;

bool isRefusal(const platform::RuntimeError& error)
{
    return error.number() == platform::BadFileNameOrNumber || error.number() == platform::DeviceUnavailable ||
           error.number() == platform::DiskNotReady;
}

bool within(const QString& hostPath, const QString& folder)
{
    const QString base = QDir::cleanPath(folder);
    const QString path = QDir::cleanPath(hostPath);
    return path == base || path.startsWith(base.endsWith(u'/') ? base : base + u'/');
}

// The full form names a drive, a root and plain names only.
QString fullFormBroken(const QString& full)
{
    if (full.size() < 3 || !full[0].isLetter() || full[1] != u':' || full[2] != u'\\')
        return QStringLiteral("full path \"%1\" has no drive and root").arg(full);
    const QStringList names = full.sliced(3).split(u'\\');
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        if (name == u"." || name == u".." || name.contains(u'/') || (name.isEmpty() && i + 1 < names.size()))
            return QStringLiteral("full path \"%1\" keeps \"%2\"").arg(full, name);
    }
    return QString();
}

QString resolutionBroken(const QString& path)
{
    QString full;
    try {
        full = windowsPath::fullPath(path);
    } catch (const platform::RuntimeError& error) {
        return isRefusal(error) ? QString() : QStringLiteral("fullPath raised %1").arg(error.number());
    }
    if (QString broken = fullFormBroken(full); !broken.isEmpty())
        return broken;
    QString host;
    try {
        host = windowsPath::toHost(path);
    } catch (const platform::RuntimeError& error) {
        return isRefusal(error) ? QString() : QStringLiteral("toHost raised %1").arg(error.number());
    }
    if (host.contains(QChar(u'\0')))
        return QStringLiteral("host path \"%1\" holds a NUL").arg(host);
    const auto drive = platform::Workstation::current().drive(full[0]);
    if (!drive)
        return QStringLiteral("\"%1\" resolved on the unmapped drive %2").arg(path, full[0]);
    if (!within(host, drive->hostFolder))
        return QStringLiteral("\"%1\" left its drive's folder for \"%2\"").arg(path, host);
    const QString back = windowsPath::fromHost(host);
    if (drive->letter != u'Z' && !back.startsWith(drive->letter))
        return QStringLiteral("\"%1\" came back from \"%2\" as \"%3\"").arg(path, host, back);
    return QString();
}

} // namespace

// A path resolves on its own drive and never leaves that drive's folder; its full form has no
// "." or ".." left; a name Windows takes as a plain file name stays in the folder it is put in.
QString checkWindowsPath(const QByteArray& input)
{
    FuzzWorld::instance();
    const QString path = QString::fromUtf8(input.first(std::min(input.size(), longestPath)));
    if (QString broken = resolutionBroken(path); !broken.isEmpty())
        return broken;
    if (windowsPath::isPlainFileName(path)) {
        const QString folder = QStringLiteral("D:\\Dati\\");
        const QString inFolder = windowsPath::fullPath(folder + path);
        if (windowsPath::folderPart(inFolder) != folder)
            return QStringLiteral("the plain name \"%1\" went to \"%2\"").arg(path, inFolder);
        if (QString broken = resolutionBroken(folder + path); !broken.isEmpty())
            return broken;
    }
    return QString();
}

} // namespace fuzz
