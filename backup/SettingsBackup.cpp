#include "backup/SettingsBackup.h"

#include <optional>

#include <QScopeGuard>
#include <QStringList>

#include "backup/BackupFiles.h"
#include "backup/BackupRun.h"
#include "backup/Compressor.h"
#include "backup/Decompressor.h"
#include "backup/DiskPrompt.h"
#include "backup/DiskSpace.h"
#include "backup/FormatDisk.h"
#include "backup/ShellCopy.h"
#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "common/Utility.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "platform/ErrorNumber.h"
#include "platform/Files.h"
#include "platform/RuntimeError.h"

namespace backup {

namespace {

const QString configArchive = QStringLiteral("Tramex Config.zip");
const QString configDatabase = QStringLiteral("Tramex Config.mdb");
const QString copySuffix = QStringLiteral(".Copia");

const QStringList& sharedIniFiles()
{
    static const QStringList files = {common::sharedIni::Tramex, common::sharedIni::CadConfig,
                                      common::sharedIni::HardConfig};
    return files;
}

void tell(const QString& text)
{
    interaction::Seams::prompter().message(text, interaction::Buttons::Ok, interaction::Icon::None,
                                           interaction::DefaultButton::First, {});
}

QString windowsFolder()
{
    return common::utility().GetWindowsDir();
}

void removeIfThere(const QString& path)
{
    if (backupFiles::fileExists(path))
        platform::files::removeFile(path);
}

template <class Component> Component& created(std::optional<Component>& component)
{
    if (!component)
        throw platform::RuntimeError(platform::ObjectVariableNotSet);
    return *component;
}

bool compressSettings(BackupRun& run, const QString& archive)
{
    using namespace common::sharedIni;
    Compressor compressor;
    compressor.SetArchive(archive);
    compressor.SetSpanning(0);
    compressor.AddFile(common::settings::read(ConfigFolder.defaultingTo(common::program::GetAppFolder())) +
                       configDatabase);
    compressor.AddFile(common::settings::read(ModelCardTemplate));
    compressor.AddFile(common::settings::read(MarkerCardTemplate));
    run.setStatusText(QStringLiteral("Compressione Tramex Config.mdb in corso"));
    if (compressor.Finish() == 0)
        return true;
    tell(QStringLiteral("Errore durante la compressione ") + compressor.ErrorText());
    return false;
}

// Puts the backup's copy of one INI file in place of the current one, which is kept under its
// name and ".Copia". A file the backup lacks leaves the current one where it is.
bool restoreIniFile(BackupRun& run, const QString& source, const QString& windows, const QString& name)
{
    if (!backupFiles::fileExists(source + name)) {
        tell(name + QStringLiteral(" non trovato nella cartella di backup !"));
        return false;
    }
    const QString current = windows + name;
    const QString kept = current + copySuffix;
    interaction::SkipFailingSteps procedure;
    bool keptAside = false;
    procedure.step([&] { removeIfThere(kept); });
    procedure.step([&] {
        if (backupFiles::fileExists(current)) {
            platform::files::rename(current, kept);
            keptAside = true;
        }
    });
    bool restored = false;
    // A copy that does not happen puts the current file back.
    const auto putBack = qScopeGuard([&] {
        if (keptAside && !restored)
            procedure.step([&] { platform::files::rename(kept, current); });
    });
    run.setStatusText(QStringLiteral("Ripristino ") + name + QStringLiteral(" in corso"));
    restored = ShellCopy(&run.window(), source + name, current);
    return restored;
}

} // namespace

void saveSettings(BackupRun& run)
{
    run.outcome = false;
    const QString destination = run.options().folder;
    const QString archive = backupFiles::temporaryFolder() + configArchive;
    interaction::SkipFailingSteps procedure;
    run.setProgress(0);
    run.setStatusText(QStringLiteral("Salvataggio impostazioni in corso"));
    procedure.step([&] { removeIfThere(archive); });
    // The archive holds the configuration database: it does not stay in the temporary folder.
    const auto cleanUp = qScopeGuard([&] { procedure.step([&] { removeIfThere(archive); }); });
    bool compressed = false;
    procedure.step([&] { compressed = compressSettings(run, archive); });
    run.setProgress(40);

    if (diskSpace::isRemovable(destination) &&
        !askForDisk(
            QStringLiteral("Etichetta un disco con \r\rTRAMEX - DISCO IMPOSTAZIONI\r\rinseriscilo nel drive e "
                           "premi OK"),
            QStringLiteral("Salvix - Salvataggio impostazioni"), [] { return true; }, true))
        return;
    if (run.options().formatDisk && !formatOrGoOn(&run.window(), destination.front()))
        return;
    if (run.options().deleteOldFiles) {
        procedure.step([&] { platform::files::removeFile(destination + configArchive); });
        for (const QString& name : sharedIniFiles())
            procedure.step([&] { platform::files::removeFile(destination + name); });
    }

    run.setStatusText(QStringLiteral("Copia di Tramex Config.zip"));
    bool saved = compressed && ShellCopy(&run.window(), archive, destination);
    run.setProgress(70);
    const QString windows = windowsFolder();
    for (const QString& name : sharedIniFiles()) {
        if (backupFiles::fileExists(windows + u'\\' + name))
            saved = ShellCopy(&run.window(), windows + u'\\' + name, destination) && saved;
        else if (name == common::sharedIni::Tramex)
            tell(name + QStringLiteral(" non trovato nella dir ") + windows);
        else
            tell(name + QStringLiteral(" non trovato nella dir di Windows"));
    }
    run.setProgress(100);
    run.outcome = saved;
}

void restoreSettings(BackupRun& run)
{
    run.outcome = false;
    const QString source = run.options().folder;
    interaction::SkipFailingSteps procedure;
    run.setProgress(0);
    run.setStatusText(QStringLiteral("Ripristino IMPOSTAZIONI in corso"));
    std::optional<Decompressor> decompressor;
    procedure.step([&] { decompressor.emplace(); });
    if (diskSpace::isRemovable(source) &&
        !askForDisk(
            QStringLiteral("Inserisci il disco etichettato \rTRAMEX - DISCO IMPOSTAZIONI"),
            QStringLiteral("Salvix - Ripristino impostazioni"),
            [&] { return backupFiles::fileExists(source + common::sharedIni::Tramex); }, true))
        return;

    run.setStatusText(QStringLiteral("Decompressione IMPOSTAZIONI in corso"));
    bool extracted = false;
    procedure.step([&] {
        Decompressor& settings = created(decompressor);
        settings.SetOverwrite(true);
        settings.SetRestoreFolders(true);
        settings.SetBaseFolder(common::program::GetAppFolder().left(3));
        settings.SetArchive(source + configArchive);
        extracted = settings.Extract({}, {}) == 0;
        if (!extracted)
            tell(QStringLiteral("Errore durante la compressione ") + settings.ErrorText());
    });
    decompressor.reset();
    run.setProgress(40);

    run.setStatusText(QStringLiteral("Ricostruzioni chiavi del registro in corso"));
    const QString windows = windowsFolder() + u'\\';
    bool restored = extracted;
    int done = 0;
    for (const QString& name : sharedIniFiles()) {
        restored = restoreIniFile(run, source, windows, name) && restored;
        run.setProgress(40 + 20 * ++done);
    }
    run.outcome = restored;
}

} // namespace backup
