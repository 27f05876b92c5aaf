#include "explorer/store/engine/Engine.h"

#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/WorkspaceState.h"

namespace store {

Engine& Engine::instance()
{
    static Engine engine;
    return engine;
}

Workspace Engine::CreateWorkspace(const QString& name, const QString& user, const QString& password)
{
    if (user.compare(QLatin1String("admin"), Qt::CaseInsensitive) != 0 || !password.isEmpty())
        throw engineError::make(engineError::InvalidAccount);
    auto state = std::make_shared<WorkspaceState>();
    state->name = name;
    state->userName = user;
    return Workspace(std::move(state));
}

} // namespace store
