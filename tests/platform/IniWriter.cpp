// Writes COUNT keys "PREFIX<n>" into section SECTION of the INI file FILE of the workstation
// ROOT, one write call each: IniWriter ROOT FILE SECTION PREFIX COUNT.
#include <QString>

#include "platform/Profile.h"
#include "platform/Workstation.h"

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    platform::Workstation::use(QString::fromLocal8Bit(argv[1]));
    const QString file = QString::fromLocal8Bit(argv[2]);
    const QString section = QString::fromLocal8Bit(argv[3]);
    const QString prefix = QString::fromLocal8Bit(argv[4]);
    const int count = std::atoi(argv[5]);
    for (int i = 0; i < count; ++i) {
        if (!platform::profile::writePrivateProfileString(section, prefix + QString::number(i),
                                                          QStringLiteral("value %1").arg(i), file))
            return 1;
    }
    return 0;
}
