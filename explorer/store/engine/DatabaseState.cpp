#include "explorer/store/engine/DatabaseState.h"

#include <utility>

#include "explorer/store/engine/KeptConnections.h"

namespace store {

DatabaseState::~DatabaseState()
{
    if (connection.isOpen())
        close();
}

void DatabaseState::close()
{
    KeptConnections::instance().keep(std::move(connection), hostPath, lock.identity());
    lock.release();
}

} // namespace store
