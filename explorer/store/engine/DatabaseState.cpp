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
    // A read-only open writes nothing into its file.
    KeptConnections::instance().keep(std::move(connection), hostPath, lock.identity(),
                                     readOnly ? std::optional(lock.file()) : std::nullopt);
    lock.release();
}

} // namespace store
