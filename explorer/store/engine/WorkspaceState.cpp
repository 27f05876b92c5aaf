#include "explorer/store/engine/WorkspaceState.h"

namespace store {

QString WorkspaceState::beginStatement(int level)
{
    return level == 1 ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT level%1").arg(level);
}

QString WorkspaceState::commitStatement(int level)
{
    return level == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE level%1").arg(level);
}

QString WorkspaceState::rollbackStatement(int level)
{
    return level == 1 ? QStringLiteral("ROLLBACK") : QStringLiteral("ROLLBACK TO level%1; RELEASE level%1").arg(level);
}

} // namespace store
