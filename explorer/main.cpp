#include <QApplication>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "explorer/Icons.h"
#include "explorer/StartUp.h"
#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "ui/GuardedApplication.h"
#include "ui/QtSeams.h"
#include "ui/WorkstationGate.h"

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    const ui::WorkstationGate workstation;
    const auto seams = ui::installQtSeams(common::program::name(), explorer::icons::programImage());
    if (!workstation.letsThrough())
        return 1;
    int result = 1;
    try {
        explorer::startUp();
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
