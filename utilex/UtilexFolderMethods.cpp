#include <optional>

#include "automation/ComponentServer.h"
#include "automation/Screen.h"
#include "platform/Files.h"
#include "platform/Listing.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

using platform::RuntimeError;

constexpr int hourglassPointer = 11;

class HourglassPointer {
public:
    HourglassPointer() : m_saved(automation::Screen::mousePointer())
    {
        automation::Screen::setMousePointer(hourglassPointer);
    }
    ~HourglassPointer() { automation::Screen::setMousePointer(m_saved); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;

private:
    int m_saved;
};

void appendBackslash(QString& path)
{
    if (!path.endsWith(u'\\'))
        path += u'\\';
}

// True when path lists with "." first: an existing folder that is not a drive root. None when
// the listing fails (drive not ready, bad name); a missing path lists nothing, as Dir does.
std::optional<bool> listsAsFolder(const QString& path)
{
    try {
        const QStringList names = platform::listing::dir(path, platform::listing::Directory);
        return !names.isEmpty() && names.first() == u".";
    } catch (const RuntimeError& error) {
        if (error.number() == 76)
            return false;
        return std::nullopt;
    }
}

// Valdir's test: the folder lists its plain files without an error.
bool listsFiles(const QString& path)
{
    try {
        platform::listing::dir(path, platform::listing::Normal);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

bool hasAttributes(const QString& path, int wanted)
{
    try {
        return (platform::listing::attributes(path) & wanted) == wanted;
    } catch (const RuntimeError&) {
        return false;
    }
}

bool isFolder(const QString& path)
{
    return hasAttributes(path, platform::listing::Directory);
}

int makeDirFailure(const RuntimeError& error)
{
    switch (error.number()) {
    case 68: // device unavailable
    case 71: // disk not ready
    case 76: // path not found
        return 76;
    default:
        return 75;
    }
}

// One level of MakeDir. A level that already is a folder (one that cannot be listed) is fine.
void createLevel(const QString& folder)
{
    try {
        platform::files::makeDirectory(folder);
    } catch (const RuntimeError& error) {
        if (!isFolder(folder))
            throw RuntimeError(makeDirFailure(error));
    }
}

// MakeDir's walk with Valdir as the folder test. Mended: when every level is made and the
// folder still does not list, it ends with 76 instead of starting over.
void makeFoldersReporting(const QString& path)
{
    qsizetype start = 3; // past the drive part "X:\"
    while (!listsFiles(path)) {
        const qsizetype separator = path.indexOf(u'\\', start);
        if (separator < 0)
            throw RuntimeError(76);
        if (!listsFiles(path.left(separator + 1)))
            platform::files::makeDirectory(path.left(separator));
        start = separator + 1;
    }
}

} // namespace

QString UtilexClassObject::GetAppPath()
{
    static const char anchor = 0;
    QString folder =
        platform::windowsPath::folderPart(platform::windowsPath::fromHost(automation::libraryPathOf(&anchor)));
    appendBackslash(folder);
    return folder;
}

Variant UtilexClassObject::GetTmpPath()
{
    try {
        return Variant(platform::Workstation::current().tempDir());
    } catch (const RuntimeError&) {
        return Variant(QString());
    }
}

QString UtilexClassObject::GetWindowsDir()
{
    try {
        return platform::Workstation::current().windowsDir();
    } catch (const RuntimeError&) {
        return QString();
    }
}

QString UtilexClassObject::GetSystemDir()
{
    try {
        return platform::Workstation::current().systemDir();
    } catch (const RuntimeError&) {
        return QString();
    }
}

std::int16_t UtilexClassObject::FileExists(QString& fILEnAME)
{
    if (fILEnAME.isEmpty())
        return automation::False;
    try {
        return automation::toBoolean(!platform::listing::dir(fILEnAME, platform::listing::Normal).isEmpty());
    } catch (const RuntimeError&) {
        return automation::False;
    }
}

Variant UtilexClassObject::DirExists(QString& MyDir)
{
    appendBackslash(MyDir);
    const std::optional<bool> folder = listsAsFolder(MyDir);
    return folder ? Variant::fromBoolean(*folder) : Variant();
}

Boolean UtilexClassObject::IsAttr(QString& strFile, std::int32_t& lngAttr)
{
    return automation::toBoolean(hasAttributes(strFile, lngAttr));
}

// Creates the missing folders from the top down. Mended: the walk always ends, and a level that
// cannot be created stops it with 75 or 76 instead of starting over without end. Utilex tests
// the folders with Valdir and reports the platform's own error of a level.
void UtilexClassObject::MakeDir(QString& sDirName)
{
    const HourglassPointer hourglass;
    appendBackslash(sDirName);
    const QString path = sDirName;
    if (m_library == Library::Utilex) {
        makeFoldersReporting(path);
        return;
    }

    qsizetype start = 3; // past the drive part "X:\"
    bool walked = false;
    while (!listsAsFolder(path).value_or(false)) {
        const qsizetype separator = path.indexOf(u'\\', start);
        if (separator < 0) {
            // Every level is done; the folder exists but cannot be listed.
            if (walked && isFolder(path))
                return;
            // Nothing after the drive part: a root cannot be made, a missing one is not found.
            throw RuntimeError(!walked && isFolder(path) ? 75 : 76);
        }
        walked = true;
        if (!listsAsFolder(path.left(separator + 1)).value_or(false))
            createLevel(path.left(separator));
        start = separator + 1;
    }
}

std::int16_t UtilexClassObject::Valdir(QString& sIncoming)
{
    appendBackslash(sIncoming);
    return automation::toBoolean(listsFiles(sIncoming));
}

void UtilexClassObject::FillComboDir(ObjectRef& ComboB, QString& StrPath)
{
    appendBackslash(StrPath);
    if (!isFolder(StrPath))
        return;
    QStringList names;
    try {
        names = platform::listing::dir(StrPath, platform::listing::Directory);
    } catch (const RuntimeError&) {
        return;
    }
    for (const QString& name : names) {
        if (name == u"." || name == u".." || !isFolder(StrPath + name))
            continue;
        try {
            if (ComboB)
                ComboB->call(QString::fromUtf16(u"AddItem"), {Variant(name.toUpper())});
        } catch (const RuntimeError&) {
            // A failing step leaves its item out and the fill goes on.
        }
    }
}

} // namespace utilex
