#include "tests/explorer/transfer/TransferWorkstation.h"

#include <utility>

#include "tests/support/CardArchives.h"

namespace {

const char drivesIni[] = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                         "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                         "[Drive E]\r\nPath=drive_e\r\nType=removable\r\n"
                         "[Drive F]\r\nPath=drive_f\r\nType=fixed\r\n"
                         "[Drive G]\r\nPath=drive_g\r\nType=fixed\r\n"
                         "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                         "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=sarta\r\nComputerName=MODELLERIA\r\n";

} // namespace

TransferWorkstation::TransferWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure)
    : ExplorerWorkstation(std::move(onFailure), QByteArray(drivesIni))
{
    CardArchives::create(QStringLiteral("PROVA"));
    store::explorerState().CurrentArchive = QStringLiteral("PROVA");
}
