#include "explorer/store/engine/Workspace.h"

#include <utility>

#include "explorer/store/engine/DatabaseState.h"
#include "explorer/store/engine/EngineError.h"
#include "explorer/store/engine/WorkspaceState.h"

namespace store {

namespace {

const int objectNotSet = 91;

template <typename Action> void forEachOpenDatabase(WorkspaceState& workspace, Action action)
{
    std::erase_if(workspace.databases, [](const std::weak_ptr<DatabaseState>& database) { return database.expired(); });
    for (const std::weak_ptr<DatabaseState>& weak : workspace.databases) {
        const std::shared_ptr<DatabaseState> database = weak.lock();
        if (database && database->connection.isOpen())
            action(*database);
    }
}

} // namespace

Workspace::Workspace(std::shared_ptr<WorkspaceState> state) : m_state(std::move(state)) {}

WorkspaceState& Workspace::state() const
{
    if (!m_state)
        throw platform::RuntimeError(objectNotSet);
    if (!m_state->open)
        throw engineError::make(engineError::ObjectClosed);
    return *m_state;
}

Database Workspace::OpenDatabase(const QString& path, bool exclusive, bool readOnly)
{
    state();
    Database database = Database::open(m_state, path, exclusive, readOnly);
    m_state->databases.push_back(database.m_state);
    return database;
}

void Workspace::BeginTrans()
{
    WorkspaceState& workspace = state();
    const int level = workspace.transactionLevel + 1;
    forEachOpenDatabase(workspace, [level](DatabaseState& database) {
        database.connection.execute(WorkspaceState::beginStatement(level));
    });
    workspace.transactionLevel = level;
}

void Workspace::CommitTrans()
{
    WorkspaceState& workspace = state();
    const int level = workspace.transactionLevel;
    if (level == 0)
        throw engineError::make(engineError::NoTransaction);
    forEachOpenDatabase(workspace, [level](DatabaseState& database) {
        database.connection.execute(WorkspaceState::commitStatement(level));
    });
    workspace.transactionLevel = level - 1;
}

void Workspace::Rollback()
{
    WorkspaceState& workspace = state();
    const int level = workspace.transactionLevel;
    if (level == 0)
        throw engineError::make(engineError::NoTransaction);
    workspace.transactionLevel = level - 1;
    forEachOpenDatabase(workspace, [level](DatabaseState& database) {
        database.connection.execute(WorkspaceState::rollbackStatement(level));
    });
}

void Workspace::Close()
{
    WorkspaceState& workspace = state();
    const std::vector<std::weak_ptr<DatabaseState>> databases = std::exchange(workspace.databases, {});
    for (const std::weak_ptr<DatabaseState>& weak : databases) {
        std::shared_ptr<DatabaseState> database = weak.lock();
        if (database && database->connection.isOpen())
            Database(std::move(database)).Close();
    }
    workspace.transactionLevel = 0;
    workspace.open = false;
}

QString Workspace::Name() const
{
    return state().name;
}

QString Workspace::UserName() const
{
    return state().userName;
}

} // namespace store
