#include "backup/Esegui.h"

#include "backup/BackupErrors.h"
#include "backup/BackupRun.h"
#include "backup/CardArchiveBackup.h"
#include "backup/SettingsBackup.h"
#include "interaction/BusyPointer.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "interaction/TrapAndAsk.h"

namespace backup {

void Esegui(BackupRun& run, bool save, bool settings, bool cardArchives)
{
    run.showProgress(true);
    run.outcome = false;
    interaction::BusyPointer hourglass;
    interaction::TrapAndAsk procedure(answerBackupError);
    const int settingsShare = cardArchives ? 30 : 100;
    bool completed = true;
    if (settings) {
        run.beginPart(0, settingsShare);
        completed = procedure.step([&] { save ? saveSettings(run) : restoreSettings(run); });
    }
    if (completed && cardArchives) {
        run.beginPart(settings ? settingsShare : 0, 100);
        completed = procedure.step([&] { save ? saveCardArchives(run) : restoreCardArchives(run); });
    }
    if (completed) {
        QString text;
        if (save)
            text = run.outcome ? QStringLiteral("Salvataggio eseguito correttamente")
                               : QStringLiteral("Problemi durante il salvataggio");
        else
            text = run.outcome ? QStringLiteral("Ripristino eseguito correttamente")
                               : QStringLiteral("Problemi durante il ripristino");
        interaction::Seams::prompter().message(text, interaction::Buttons::Ok, interaction::Icon::None,
                                               interaction::DefaultButton::First, {});
    }
    run.beginPart(0, 100);
    hourglass.restore();
}

} // namespace backup
