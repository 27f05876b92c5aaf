// Starts replacing a file of the workstation ROOT as an INI write does, says "writing" once its
// new contents are half written, and waits to be killed: StalledWriter ROOT WINDOWS_PATH.
#include <cstdio>
#include <unistd.h>

#include <QString>

#include "platform/AtomicFile.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    platform::Workstation::use(QString::fromLocal8Bit(argv[1]));
    platform::AtomicFile file(platform::windowsPath::toHost(QString::fromLocal8Bit(argv[2])));
    file.write("[Sezione]\r\nChiave=mezza");
    std::printf("writing\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
