#include <QApplication>

#include "backup/FrmOne.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "ui/GuardedApplication.h"
#include "ui/QtSeams.h"
#include "ui/WorkstationGate.h"

int main(int argc, char** argv)
{
    ui::GuardedApplication application(argc, argv);
    const ui::WorkstationGate workstation;
    const auto seams = ui::installQtSeams(common::program::name());
    if (!workstation.letsThrough())
        return 1;
    int result = 0;
    {
        backup::FrmOne window;
        window.show();
        result = QApplication::exec();
    }
    common::releaseUtility();
    return result;
}
