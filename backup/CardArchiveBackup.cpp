#include "backup/CardArchiveBackup.h"

#include <cstdint>
#include <limits>
#include <optional>

#include <QScopeGuard>
#include <QStringList>

#include "backup/BackupErrors.h"
#include "backup/BackupFiles.h"
#include "backup/BackupRun.h"
#include "backup/Compressor.h"
#include "backup/Decompressor.h"
#include "backup/DiskCount.h"
#include "backup/DiskPrompt.h"
#include "backup/DiskSpace.h"
#include "backup/FileSlices.h"
#include "backup/FormatDisk.h"
#include "backup/SalvixIni.h"
#include "backup/ShellCopy.h"
#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "common/Val.h"
#include "interaction/Clock.h"
#include "interaction/PendingEvents.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"
#include "platform/BinaryFile.h"
#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace backup {

namespace {

using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

const QString archiveName = QStringLiteral("Salvix.zip");

void tell(const QString& text)
{
    interaction::Seams::prompter().message(text, Buttons::Ok, Icon::None, DefaultButton::First, {});
}

QString pieceName(qint64 number)
{
    return archiveName + u'.' + QString::number(number) + QStringLiteral(".spf");
}

bool compress(const QString& archive, const QString& databaseFolder, const QStringList& archives)
{
    Compressor compressor;
    compressor.SetArchive(archive);
    compressor.SetSpanning(0);
    for (const QString& entry : archives)
        compressor.AddFile(databaseFolder + entry);
    if (compressor.Finish() == 0)
        return true;
    tell(QStringLiteral("Errore durante la compressione ") + compressor.ErrorText());
    return false;
}

// The files that go to disk, in the order of the disks: the archive, or its pieces when it is
// longer than a disk holds. Empty when the archive could not be cut.
QStringList filesToCopy(const QString& temporary, qint64 capacity)
{
    qint64 length = 0;
    {
        const platform::BinaryFile archive(temporary + archiveName, platform::BinaryFile::Mode::Read);
        length = archive.length();
    }
    // Without room on the drive there is no piece size: the archive goes whole and the disk says
    // whether it fits.
    if (capacity <= 0 || length <= capacity)
        return {archiveName};
    if (!fileSlices::SplitFile(temporary + archiveName, capacity))
        return {};
    QStringList pieces;
    for (qint64 number = 1; number <= diskCount::pieceCount(length, capacity); ++number)
        pieces.append(pieceName(number));
    return pieces;
}

bool askForDatabaseDisk(qint64 number)
{
    return askForDisk(
        QStringLiteral("Etichetta un disco\r\rDISCO BACKUP DATABASE N.") + QString::number(number) +
            QStringLiteral(" DI TRAMEX\r\red inseriscilo nel drive, poi premi OK"),
        QStringLiteral("Salvix - Salvataggio DATABASE"), [] { return true; }, true);
}

void describe(const common::IniKey& key, const QString& value)
{
    if (!common::settings::write(key, value))
        throw platform::RuntimeError(platform::DeviceIoError);
}

// The number of disks the description gives, 0 for one that is no count.
qint64 diskTotal(double described)
{
    return described >= 1 && described <= std::numeric_limits<std::int32_t>::max() ? qint64(described) : 0;
}

} // namespace

void saveCardArchives(BackupRun& run)
{
    run.outcome = false;
    const QString temporary = backupFiles::temporaryFolder();
    const QString destination = run.options().folder;
    interaction::TrapAndAsk procedure(answerBackupError);
    backupFiles::deleteSetFiles(temporary);
    const auto cleanUp = qScopeGuard([&] { backupFiles::deleteSetFiles(temporary); });

    run.setProgress(0);
    run.setStatusText(QStringLiteral("Salvataggio DATABASE in corso"));
    QString databaseFolder = run.options().databaseFolder;
    if (databaseFolder.isEmpty())
        databaseFolder = common::program::GetAppFolder();
    bool compressed = false;
    if (!procedure.step(
            [&] { compressed = compress(temporary + archiveName, databaseFolder, run.options().selectedArchives); }) ||
        !compressed)
        return;
    run.setProgress(30);

    QStringList files;
    if (!procedure.step([&] {
            const qint64 capacity = diskSpace::backupCapacity(destination);
            run.setStatusText(QStringLiteral("Compressione DATABASE in corso"));
            files = filesToCopy(temporary, capacity);
        }) ||
        files.isEmpty())
        return;
    run.setProgress(40);

    const bool removable = diskSpace::isRemovable(destination);
    for (qsizetype index = 0; index < files.size(); ++index) {
        const qint64 disk = index + 1;
        const QString& file = files.at(index);
        if (removable && !askForDatabaseDisk(disk))
            return;
        if (run.options().formatDisk && !formatOrGoOn(&run.window(), destination.front()))
            return;
        if (run.options().deleteOldFiles)
            backupFiles::deleteSetFiles(destination);
        run.setStatusText(QStringLiteral("Copia DATABASE in corso"));
        bool copied = false;
        if (!procedure.step([&] { copied = ShellCopy(&run.window(), temporary + file, destination + file); }) ||
            !copied)
            return;
        if (!procedure.step([&] { describe(salvixIni::File(destination, int(disk)), file); }))
            return;
        run.setProgress(40 + int(60 * disk / files.size()));
    }
    if (!procedure.step([&] {
            describe(salvixIni::DataOraSalvataggio(destination),
                     interaction::Seams::clock().now().toString(QStringLiteral("dd-MM-yyyy hh:mm")));
            describe(salvixIni::TotaleFile(destination), QString::number(files.size()));
        }))
        return;
    run.setStatusText(QStringLiteral("Copia DATABASE completata"));
    interaction::Seams::pendingEvents().run();
    run.outcome = true;
}

void restoreCardArchives(BackupRun& run)
{
    run.outcome = false;
    const QString temporary = backupFiles::temporaryFolder();
    const QString source = run.options().folder;
    interaction::TrapAndAsk procedure(answerBackupError);
    std::optional<Decompressor> decompressor;
    if (!procedure.step([&] { decompressor.emplace(); }))
        return;
    backupFiles::deleteSetFiles(temporary);
    const auto cleanUp = qScopeGuard([&] { backupFiles::deleteSetFiles(temporary); });

    const bool removable = diskSpace::isRemovable(source);
    const QString description = salvixIni::descriptionFile(source);
    if (removable &&
        !askForDisk(
            QStringLiteral("Inserisci l'ultimo disco etichettato: DISCO BACKUP DATABASE DI TRAMEX, poi premi OK"),
            QStringLiteral("Salvix - Ripristino Database"), [&] { return backupFiles::fileExists(description); }, true))
        return;

    run.setStatusText(QStringLiteral("Lettura dati del salvataggio in corso"));
    const QString savedAt = common::settings::read(salvixIni::DataOraSalvataggio(source));
    const qint64 total = diskTotal(common::settings::readNumber(salvixIni::TotaleFile(source)));
    run.setStatusText(QStringLiteral("Salvataggio del ") + savedAt + QStringLiteral(", dischi=") +
                      QString::number(total));

    for (qint64 disk = 1; disk <= total; ++disk) {
        const QString file = total > 1 ? pieceName(disk) : archiveName;
        // A set of one file asks only when its file is missing, instead of looking for it forever.
        if (!askForDisk(
                QStringLiteral("Inserisci il disco ") + QString::number(disk) + QStringLiteral(" del set di backup"),
                common::program::name(), [&] { return backupFiles::fileExists(source + file); },
                removable && total > 1))
            return;
        bool copied = false;
        if (!procedure.step([&] { copied = ShellCopy(&run.window(), source + file, temporary + file); }) || !copied)
            return;
        run.setProgress(int(70 * disk / total));
    }
    bool joined = true;
    if (total > 1 && (!procedure.step([&] {
            joined = fileSlices::JoinPieces(temporary + archiveName + QStringLiteral(".*.spf"));
        }) || !joined))
        return;
    run.setProgress(80);

    std::int32_t result = 0;
    if (!procedure.step([&] {
            decompressor->SetArchive(temporary + archiveName);
            decompressor->SetOverwrite(true);
            decompressor->SetRestoreFolders(true);
            decompressor->SetBaseFolder(common::program::GetAppFolder().left(3));
            result = decompressor->Extract({}, {});
            if (result != 0)
                tell(QStringLiteral("Errore durante la decompressione ") + decompressor->ErrorText());
        }))
        return;
    run.outcome = result == 0;
    run.setStatusText(QStringLiteral("Fine decompressione e ripristino DATABASE"));
    run.setProgress(100);
}

} // namespace backup
