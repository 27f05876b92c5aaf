#include "explorer/store/ExplorerState.h"

namespace store {

QString ExplorerState::currentArchivePath(bool withExtension) const
{
    return DatabaseFolder + CurrentArchive + (withExtension ? QStringLiteral(".mdb") : QString());
}

ExplorerState& explorerState()
{
    static ExplorerState state;
    return state;
}

} // namespace store
