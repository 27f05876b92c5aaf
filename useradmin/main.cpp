#include <QApplication>
#include <QStringList>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "interaction/ErrorLog.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "ui/GuardedApplication.h"
#include "ui/QtSeams.h"
#include "ui/WorkstationGate.h"
#include "useradmin/StartUp.h"

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    const ui::WorkstationGate workstation;
    const auto seams = ui::installQtSeams(common::program::name());
    if (!workstation.letsThrough())
        return 1;
    const interaction::ErrorLog errorLog = useradmin::programErrorLog();
    interaction::Seams::Installation logInstallation;
    logInstallation.setErrorLog(errorLog);
    // The command line arrives whole, as one argument; typed in a shell it may come in pieces.
    const QString commandLine = QApplication::arguments().mid(1).join(u' ');
    int result = 1;
    try {
        if (useradmin::startUp(commandLine))
            result = QApplication::exec();
    } catch (const platform::RuntimeError& error) {
        // Only start-up can get here: without its utility component the program cannot run.
        interaction::Seams::prompter().message(
            QStringLiteral("Errore ") + QString::number(error.number()) + QStringLiteral(": ") + error.description(),
            interaction::Buttons::Ok, interaction::Icon::Critical, interaction::DefaultButton::First, QString());
    }
    common::releaseUtility();
    return result;
}
