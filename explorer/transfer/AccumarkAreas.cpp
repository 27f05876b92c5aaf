#include "explorer/transfer/AccumarkAreas.h"

#include "automation/Variant.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "platform/Disk.h"
#include "platform/Listing.h"
#include "utilex/UtilexClass.h"

namespace transfer {

namespace {

bool isReadyStorageDrive(utilex::_UtilexClass& utility, QChar letter)
{
    platform::disk::FreeSpace space;
    if (!platform::disk::freeSpace(letter + QStringLiteral(":\\"), space))
        return false;
    QString storage = letter + QStringLiteral(":\\userroot\\storage");
    const automation::Variant exists = utility.DirExists(storage);
    return !exists.isEmpty() && !exists.isNull() && exists.toBoolean();
}

} // namespace

QStringList ListaAreeAccumarkByDisk(const QString& disk)
{
    const QString folder = disk == QLatin1String("Network") ? QStringLiteral("c:\\userroot\\system\\state\\stordir\\")
                                                            : disk + QStringLiteral("userroot\\storage\\");
    interaction::SkipFailingSteps procedure;
    QStringList entries;
    procedure.step([&] { entries = platform::listing::dir(folder, platform::listing::Directory); });
    QStringList areas;
    for (const QString& name : entries) {
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        procedure.step([&] {
            if (platform::listing::attributes(folder + name) == platform::listing::Directory)
                areas.append(name);
        });
    }
    return areas;
}

std::optional<QStringList> GetAccumarkArea(utilex::_UtilexClass& utility, const QString& TipoRete)
{
    const bool windows = TipoRete == QLatin1String("Windows");
    if (!windows && TipoRete != QLatin1String("Network NFS"))
        return std::nullopt;
    interaction::TrapAndAsk procedure(QStringLiteral("GetAccumarkArea"));
    QStringList areas;
    if (!windows) {
        procedure.step([&] { areas = ListaAreeAccumarkByDisk(QStringLiteral("Network")); });
        return areas;
    }
    for (char16_t letter = u'C'; letter <= u'Z'; ++letter) {
        bool ready = false;
        if (!procedure.step([&] { ready = isReadyStorageDrive(utility, QChar(letter)); }))
            break;
        if (!ready)
            continue;
        const QString root = QChar(letter) + QStringLiteral(":\\");
        for (const QString& name : ListaAreeAccumarkByDisk(root))
            areas.append(root + name);
    }
    return areas;
}

} // namespace transfer
