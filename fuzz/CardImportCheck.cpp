#include "fuzz/CardImportCheck.h"

#include "explorer/transfer/CardCsvImport.h"
#include "fuzz/ArchiveContents.h"
#include "fuzz/FuzzWorld.h"
#include "tests/support/CardArchives.h"

namespace fuzz {

namespace {

// Made on use: the import folder is another file's constant.
QString cardFile()
{
    return FuzzWorld::importFolder + QStringLiteral("Scheda.csv");
}

} // namespace

// Imports the input as a card file into the archive: a file that is refused, or fails midway,
// leaves the archive as it was; one that goes in adds one whole card and touches no other.
QString checkCardImport(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    world.restoreArchive();
    const ArchiveContents pristine(world.archiveHostPath());
    const QStringList before = pristine.all();
    world.writeFile(cardFile(), input);
    world.answers.forget();
    transfer::ImportData(cardFile(), QStringLiteral("PROVA"));

    if (const QString integrity = CardArchives::integrityOf(FuzzWorld::archive); integrity != u"ok")
        return QStringLiteral("integrity check: ") + integrity;
    const ArchiveContents after(world.archiveHostPath());
    if (!world.answers.messages().isEmpty()) {
        if (after.all() != before)
            return QStringLiteral("the refused file (\"%1\") changed the archive")
                .arg(world.answers.messages().front());
        return QString();
    }
    QStringList added = after.keysIn(QStringLiteral("Modelli"));
    for (const QString& key : pristine.keysIn(QStringLiteral("Modelli")))
        added.removeOne(key);
    if (added.size() != 1)
        return QStringLiteral("an import without a message added %1 card headers").arg(added.size());
    QStringList kept = after.all();
    for (const QString& row : after.rowsOf(added.front()))
        kept.removeOne(row);
    kept.sort();
    QStringList expected = before;
    expected.sort();
    if (kept != expected)
        return QStringLiteral("the import of \"%1\" changed other cards").arg(added.front());
    return QString();
}

} // namespace fuzz
