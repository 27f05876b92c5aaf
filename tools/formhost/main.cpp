// formhost: a small window with one control of every kind, against which Utilex4's form methods
// run from the shell (see FormHostProgram.h).

#include <QApplication>

#include "tools/formhost/FormHostIcon.h"
#include "tools/formhost/FormHostProgram.h"
#include "ui/QtSeams.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto seams = ui::installQtSeams(QStringLiteral("formhost"), formhost::programImage());
    return formhost::run(QApplication::arguments().mid(1));
}
