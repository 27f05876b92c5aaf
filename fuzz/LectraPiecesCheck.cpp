#include "fuzz/LectraPiecesCheck.h"

#include "common/Utility.h"
#include "explorer/transfer/LectraImport.h"
#include "fuzz/ArchiveContents.h"
#include "fuzz/FuzzWorld.h"
#include "tests/support/CardArchives.h"

namespace fuzz {

namespace {

// Made on use: the import folder is another file's constant.
QString pieceFile()
{
    return FuzzWorld::importFolder + QStringLiteral("L1.V1.TXT");
}
const QString card = QStringLiteral("L1");

// The card's piece rows are numbered 1, 2, 3, ... without a gap.
bool numberedInOrder(const QString& key)
{
    const QStringList numbers = CardArchives::values(
        FuzzWorld::archive,
        QStringLiteral("Select NumeroRiga from SchedaModello where PCMTV = '%1' order by NumeroRiga").arg(key));
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != QString::number(i + 1))
            return false;
    }
    return !numbers.isEmpty();
}

} // namespace

// Imports the input as the Lectra piece file of the card "L1": an import that stops at an error
// leaves the card's pieces as they were, one that goes through numbers them from 1 without gaps;
// every other card keeps its rows and the archive stays sound.
QString checkLectraPieces(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    world.restoreArchive();
    const ArchiveContents before(world.archiveHostPath());
    world.writeFile(pieceFile(), input);
    world.answers.forget();
    transfer::ImportaModelloLectra(common::utility(), pieceFile(), card);

    if (const QString integrity = CardArchives::integrityOf(FuzzWorld::archive); integrity != u"ok")
        return QStringLiteral("integrity check: ") + integrity;
    const ArchiveContents after(world.archiveHostPath());
    if (after.rowsBesides(card) != before.rowsBesides(card))
        return QStringLiteral("importing %1 changed other cards").arg(card);
    if (!world.answers.messages().isEmpty()) {
        if (after.rowsOf(card) != before.rowsOf(card))
            return QStringLiteral("the import stopped at \"%1\" but changed the card")
                .arg(world.answers.messages().front());
    } else if (!numberedInOrder(card)) {
        return QStringLiteral("the pieces of %1 are not numbered 1, 2, 3, ...").arg(card);
    }
    return QString();
}

} // namespace fuzz
