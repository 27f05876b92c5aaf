#include "useradmin/StartUp.h"

#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "common/Utility.h"
#include "interaction/ErrorLog.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "useradmin/FrmMain.h"
#include "useradmin/configdb/ConfigDatabaseSchema.h"

namespace useradmin {

bool startedByTramex(const QString& commandLine)
{
    // Blanks only, as the runtime's Trim takes them: a tab or a line end is part of the word.
    QStringView word(commandLine);
    while (word.startsWith(u' '))
        word = word.sliced(1);
    while (word.endsWith(u' '))
        word.chop(1);
    return word == u"Tramex";
}

QString configDatabasePath()
{
    QString folder = common::settings::read(common::sharedIni::ConfigFolder);
    if (folder.isEmpty())
        folder = common::program::GetAppFolder();
    return folder + ConfigDatabaseSchema::fileName;
}

interaction::ErrorLog programErrorLog()
{
    return interaction::ErrorLog(common::program::folder(), [] { return common::utility().NomeUtente(); });
}

FrmMain* startUp(const QString& commandLine)
{
    if (!startedByTramex(commandLine)) {
        interaction::Seams::prompter().message(
            QStringLiteral("Questa applicazione può essere lanciata solo da Tramex !"), interaction::Buttons::Ok,
            interaction::Icon::None, interaction::DefaultButton::First, interaction::Seams::programTitle());
        return nullptr;
    }
    auto* window = new FrmMain(configDatabasePath());
    window->show();
    return window;
}

} // namespace useradmin
