#include "setup/WorkstationReport.h"

#include <QLocale>

#include "platform/Disk.h"
#include "platform/IniFile.h"
#include "platform/Workstation.h"

namespace setup {
namespace {

QString typeName(platform::DriveType type)
{
    switch (type) {
    case platform::DriveType::Removable:
        return QStringLiteral("removable");
    case platform::DriveType::Remote:
        return QStringLiteral("remote");
    case platform::DriveType::CdRom:
        return QStringLiteral("cdrom");
    case platform::DriveType::RamDisk:
        return QStringLiteral("ramdisk");
    case platform::DriveType::Fixed:
        return QStringLiteral("fixed");
    default:
        return QStringLiteral("unknown");
    }
}

QString freeSpaceOf(QChar letter)
{
    platform::disk::FreeSpace space;
    if (!platform::disk::freeSpace(QString(letter) + QStringLiteral(":\\"), space))
        return QStringLiteral("-");
    const qint64 bytes = qint64(space.freeClusters) * space.sectorsPerCluster * space.bytesPerSector;
    return QLocale::c().formattedDataSize(bytes) + QStringLiteral(" free");
}

} // namespace

QString workstationReport(const QString& root)
{
    platform::Workstation::use(root);
    const platform::Workstation& workstation = platform::Workstation::current();
    QString report = QStringLiteral("Workstation %1\n\nDrives:\n").arg(workstation.root());
    for (const platform::Drive& drive : workstation.drives()) {
        const bool ready = workstation.isReady(drive.letter);
        report += QStringLiteral("  %1:  %2  %3  %4  %5\n")
                      .arg(drive.letter)
                      .arg(drive.hostFolder, typeName(drive.type),
                           ready ? QStringLiteral("ready") : QStringLiteral("not ready"),
                           ready ? freeSpaceOf(drive.letter) : QStringLiteral("-"));
    }
    report += QStringLiteral("\nComponents:\n");
    const auto registry = platform::IniFile::read(workstation.registryFile());
    const QString progIds = QStringLiteral("ProgID");
    const QStringList names = registry ? registry->document().keyNames(progIds) : QStringList();
    for (const QString& name : names) {
        const QString clsid = registry->document().value(progIds, name).value_or(QString());
        const QString server =
            registry->document().value(clsid, QStringLiteral("InprocServer32")).value_or(QStringLiteral("?"));
        report += QStringLiteral("  %1  %2\n").arg(name, server);
    }
    if (names.isEmpty())
        report += QStringLiteral("  none registered\n");
    return report;
}

} // namespace setup
