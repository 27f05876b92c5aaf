#include "tests/support/grid/GrivolaWorkstation.h"

#include "automation/Components.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace gridtest {

GrivolaWorkstation::GrivolaWorkstation()
{
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder for the workstation");
    platform::Workstation::layOutDefault(root());
    qputenv("TRAMEX_WORKSTATION", QFile::encodeName(root()));
    platform::Workstation::use(root());
    automation::registerLibrary(libraryFile());
}

QString GrivolaWorkstation::libraryFile()
{
    return QDir(qEnvironmentVariable("TRAMEX_BIN_DIR")).filePath(QStringLiteral("Grivola.dll"));
}

} // namespace gridtest
