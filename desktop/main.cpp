// tramex-icons PROGRAM FOLDER NAME SIZE...: writes the program's icon as FOLDER/SIZExSIZE/apps/NAME.png
// for each size, the layout of an icon theme.

#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include "desktop/ProgramIcons.h"

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 5) {
        std::fprintf(stderr, "usage: tramex-icons PROGRAM FOLDER NAME SIZE...\n");
        return 2;
    }
    const QIcon icon = desktop::programIcon(arguments[1]);
    for (const QString& size : arguments.mid(4)) {
        const int pixels = size.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[2]).arg(pixels);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, arguments[3]);
        if (pixels <= 0 || !QDir().mkpath(folder) || !icon.pixmap(pixels, pixels).save(file)) {
            std::fprintf(stderr, "tramex-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
