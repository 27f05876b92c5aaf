#include "common/WorkstationNotice.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Workstation.h"

namespace common {

QString workstationNotSetUpNotice()
{
    const QString root = platform::Workstation::defaultRoot();
    if (QFileInfo::exists(QDir(root).filePath(QStringLiteral("drives.ini"))))
        return {};
    const bool chosen = !qEnvironmentVariableIsEmpty("TRAMEX_WORKSTATION");
    return QStringLiteral("La postazione di lavoro in %1 non è stata ancora preparata.\n\n"
                          "Per prepararla, eseguire nel terminale:\n"
                          "    %2tramex-workstation init\n"
                          "e poi collegare la cartella degli archivi come unità D:\n"
                          "    %2tramex-workstation map D CARTELLA")
        .arg(root, chosen ? QStringLiteral("TRAMEX_WORKSTATION=\"%1\" ").arg(root) : QString());
}

} // namespace common
