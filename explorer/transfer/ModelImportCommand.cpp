#include "explorer/transfer/ModelImportCommand.h"

#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/AccumarkImport.h"
#include "explorer/transfer/LectraImport.h"

namespace transfer {

namespace {

constexpr std::uint8_t accumark = 1;
constexpr std::uint8_t lectra = 3;

} // namespace

void MnuImportaScheda_Click(TransferWindow& window)
{
    switch (store::explorerState().CadType) {
    case accumark:
        ImportAccumarkModel(window);
        break;
    case lectra:
        ImportLectraModel(window);
        break;
    default:
        break;
    }
}

} // namespace transfer
