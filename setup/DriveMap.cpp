#include "setup/DriveMap.h"

#include <stdexcept>

#include <QDir>
#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "platform/IniFile.h"
#include "platform/Workstation.h"

namespace setup {
namespace {

[[noreturn]] void refuse(const QString& message)
{
    throw std::invalid_argument(message.toStdString());
}

QString sectionOf(QChar letter)
{
    return QStringLiteral("Drive ") + letter;
}

QChar checkedLetter(QChar letter)
{
    const QChar upper = letter.toUpper();
    if (upper < u'A' || upper > u'Z')
        refuse(QStringLiteral("\"%1\" is not a drive letter (A to Z)").arg(letter));
    return upper;
}

} // namespace

DriveMap::DriveMap(QString root) : m_root(std::move(root)) {}

QString DriveMap::drivesFile() const
{
    return QDir(m_root).filePath(QStringLiteral("drives.ini"));
}

void DriveMap::map(const DriveMapping& mapping)
{
    const QChar letter = checkedLetter(mapping.letter);
    const auto file = platform::IniFile::read(drivesFile());
    if (!file)
        refuse(QStringLiteral("%1 has no drives.ini: run \"tramex-workstation init\" first").arg(m_root));
    if (const auto drive = platform::Workstation(m_root).drive(letter))
        refuse(QStringLiteral("drive %1: is already used for %2; unmap it first").arg(letter).arg(drive->hostFolder));

    const QFileInfo folder(QDir::cleanPath(QDir::current().absoluteFilePath(mapping.folder)));
    if (folder.exists() && !folder.isDir())
        refuse(QStringLiteral("%1 is not a folder").arg(folder.filePath()));
    if (!folder.exists() && !mapping.removable)
        refuse(QStringLiteral("folder %1 does not exist").arg(folder.filePath()));
    if (folder.exists() && !folder.isWritable())
        refuse(QStringLiteral("folder %1 cannot be written by this user").arg(folder.filePath()));
    if (mapping.capacity && *mapping.capacity < 0)
        refuse(QStringLiteral("a capacity is a number of bytes, 0 or more"));

    platform::IniFile changed = *file;
    const QString section = sectionOf(letter);
    // A folder inside the workstation is kept relative, so that the workstation can be moved.
    const QString inside = QDir(m_root).relativeFilePath(folder.filePath());
    const bool withinRoot = !inside.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(inside);
    changed.document().setValue(section, QStringLiteral("Path"), withinRoot ? inside : folder.filePath());
    changed.document().setValue(section, QStringLiteral("Type"),
                                mapping.removable ? QStringLiteral("removable") : QStringLiteral("fixed"));
    if (mapping.capacity)
        changed.document().setValue(section, QStringLiteral("Capacity"), QString::number(*mapping.capacity));
    platform::AtomicFile::write(drivesFile(), changed.bytes());
}

void DriveMap::unmap(QChar letter)
{
    letter = checkedLetter(letter);
    if (letter == u'C')
        refuse(QStringLiteral("drive C: holds the Windows folder and the programs; it cannot be unmapped"));
    auto file = platform::IniFile::read(drivesFile());
    if (!file || !file->document().removeSection(sectionOf(letter)))
        refuse(QStringLiteral("drive %1: is not mapped in %2").arg(letter).arg(drivesFile()));
    platform::AtomicFile::write(drivesFile(), file->bytes());
}

} // namespace setup
