#include "grid/GrivoObject.h"

#include "grid/GrivoThunks.h"
#include "grid/GrivolaServer.h"
#include "grid/GrivolaTypeLibrary.h"

namespace grid {

GrivoObject::GrivoObject() : TypedDispatch(grivoInterface())
{
    setThunks(grivoThunks(*this));
    componentServer().objectCreated();
}

GrivoObject::~GrivoObject()
{
    componentServer().objectDestroyed();
}

} // namespace grid
