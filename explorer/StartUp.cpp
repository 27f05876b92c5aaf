#include "explorer/StartUp.h"

#include "explorer/FrmExplorer.h"
#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "explorer/store/ExplorerState.h"

namespace explorer {

namespace {

const QString cadConfig = QStringLiteral("TramexCADConfig.ini");
const QString hardConfig = QStringLiteral("TramexHardConfig.ini");
const QString cadSection = QStringLiteral("Impostazioni");

} // namespace

std::uint8_t ReadCadType()
{
    if (settings::readNumber(cadSection, QStringLiteral("Usa sistema CAD"), QString(), cadConfig) != 1)
        return 0;
    std::uint8_t cadType = 0;
    for (int i = 0; i <= 2; ++i) {
        const QString key = QStringLiteral("Sistema Installato_") + QString::number(i);
        if (settings::read(cadSection, key, QString(), cadConfig) == QLatin1String("1"))
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
    state.IniFileName = program::name() + QStringLiteral(".ini");
    const QString section = QStringLiteral("Generale");
    const QString key = QStringLiteral("TxtPathDatabase");
    const QString installationFolder = settings::read(section, key, QString(), hardConfig);
    state.DatabaseFolder = settings::read(section, key, installationFolder, state.IniFileName);
    state.CadType = ReadCadType();
    auto* window = new FrmExplorer;
    window->show();
    return window;
}

} // namespace explorer
