#include "fuzz/AccumarkDumpCheck.h"

#include <algorithm>

#include "explorer/transfer/AccumarkImport.h"
#include "fuzz/ArchiveContents.h"
#include "fuzz/FuzzWorld.h"
#include "tests/support/CardArchives.h"

namespace fuzz {

namespace {

// Made on use: the import folder is another file's constant.
QString dumpFile()
{
    return FuzzWorld::importFolder + QStringLiteral("PROVA.CMO");
}
const QString model = QStringLiteral("M1");

} // namespace

// Imports the model "M1" from the input as a dump file: whatever the dump holds, the archive stays
// sound, every other card keeps its rows, and the model has its one card header.
QString checkAccumarkDump(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    world.restoreArchive();
    const QStringList others = ArchiveContents(world.archiveHostPath()).rowsBesides(model);
    world.writeFile(dumpFile(), input);
    world.answers.setInputReply(model);
    transfer::ImportaModello(dumpFile());

    if (const QString integrity = CardArchives::integrityOf(FuzzWorld::archive); integrity != u"ok")
        return QStringLiteral("integrity check: ") + integrity;
    const ArchiveContents after(world.archiveHostPath());
    if (after.rowsBesides(model) != others)
        return QStringLiteral("importing %1 changed other cards").arg(model);
    const QStringList rows = after.rowsOf(model);
    const auto headers =
        std::count_if(rows.begin(), rows.end(), [](const QString& row) { return row.startsWith(u"Modelli|"); });
    if (headers != 1)
        return QStringLiteral("%1 has %2 card headers").arg(model).arg(headers);
    return QString();
}

} // namespace fuzz
