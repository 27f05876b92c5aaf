#include "grid/GrivolaServer.h"

#include <memory>

#include "grid/GrivoObject.h"
#include "grid/GrivolaTypeLibrary.h"

namespace grid {

automation::ComponentServer& componentServer()
{
    static automation::ComponentServer server(
        grivolaLibrary(),
        {{grivoClassInfo().clsid, []() -> automation::ObjectRef { return std::make_shared<GrivoObject>(); }}});
    return server;
}

} // namespace grid

AUTOMATION_COMPONENT_ENTRY_POINTS(grid::componentServer())
