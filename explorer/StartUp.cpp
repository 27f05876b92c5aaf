#include "explorer/StartUp.h"

#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "common/SharedIni.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/ExplorerState.h"

namespace explorer {

std::uint8_t ReadCadType()
{
    if (common::settings::readNumber(common::sharedIni::UsesCadSystem) != 1)
        return 0;
    std::uint8_t cadType = 0;
    for (int i = 0; i <= 2; ++i) {
        if (common::settings::read(common::sharedIni::InstalledCadSystem.numbered(i)) == QLatin1String("1"))
            cadType = std::uint8_t(i + 1);
    }
    return cadType;
}

QString cadName(std::uint8_t cadType)
{
    switch (cadType) {
    case 1:
        return QStringLiteral("Accumark");
    case 2:
        return QStringLiteral("Investronica");
    case 3:
        return QStringLiteral("Lectra");
    default:
        return {};
    }
}

FrmExplorer* startUp()
{
    store::ExplorerState& state = store::explorerState();
    state.IniFileName = common::program::name() + QStringLiteral(".ini");
    const common::IniKey& folderKey = common::sharedIni::DatabaseFolder;
    const QString installationFolder = common::settings::read(folderKey);
    state.DatabaseFolder = common::settings::read(folderKey.in(state.IniFileName).defaultingTo(installationFolder));
    state.CadType = ReadCadType();
    auto* window = new FrmExplorer;
    window->show();
    return window;
}

} // namespace explorer
