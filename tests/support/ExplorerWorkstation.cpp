#include "tests/support/ExplorerWorkstation.h"

#include <utility>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"

const QString ExplorerWorkstation::archiveFolder = QStringLiteral("C:\\Schede\\");

ExplorerWorkstation::ExplorerWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure,
                                         const QByteArray& drivesIni)
    : TestWorkstation(drivesIni), ScriptedSeams(QStringLiteral("Schedex"), std::move(onFailure)),
      m_savedState(store::explorerState())
{
    registerBuilt(QStringLiteral("Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    makeFolder(archiveFolder);
    store::ExplorerState& state = store::explorerState();
    state = store::ExplorerState();
    state.IniFileName = QStringLiteral("Schedex.ini");
    state.DatabaseFolder = archiveFolder;
    installation.setPrompter(hook);
}

ExplorerWorkstation::~ExplorerWorkstation()
{
    common::releaseUtility();
    store::explorerState() = m_savedState;
}

utilex::_UtilexClass& ExplorerWorkstation::utility()
{
    return common::utility();
}
