#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>

#include "demo/DemoWorkstation.h"
#include "platform/RuntimeError.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: mkworkstation DIR\n");
        return 2;
    }
    const QString root = QFileInfo(arguments[1]).absoluteFilePath();
    try {
        demo::DemoWorkstation(root, QCoreApplication::applicationDirPath()).layOut();
    } catch (const platform::RuntimeError& error) {
        std::fprintf(stderr, "mkworkstation: error %d: %s\n", error.number(), qPrintable(error.description()));
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mkworkstation: %s\n", error.what());
        return 1;
    }
    std::printf("demo workstation ready in %s\n", qPrintable(root));
    return 0;
}
