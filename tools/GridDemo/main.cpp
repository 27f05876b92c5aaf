// GridDemo: a piece list edited with Grivola's commands (see GridDemoWindow.h).

#include "interaction/Prompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "tools/GridDemo/GridDemoWindow.h"
#include "ui/GuardedApplication.h"
#include "ui/QtSeams.h"
#include "ui/WorkstationGate.h"

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    const ui::WorkstationGate workstation;
    const auto seams = ui::installQtSeams(QStringLiteral("GridDemo"));
    if (!workstation.letsThrough())
        return 1;
    try {
        griddemo::GridDemoWindow window;
        window.show();
        return QApplication::exec();
    } catch (const platform::RuntimeError& error) {
        // Only creating Grivola can get here: without it the window has nothing to do.
        interaction::Seams::prompter().message(
            QStringLiteral("Errore %1: %2").arg(error.number()).arg(error.description()), interaction::Buttons::Ok,
            interaction::Icon::Critical, interaction::DefaultButton::First, QString());
        return 1;
    }
}
