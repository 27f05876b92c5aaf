#include "utilex/UtilexServer.h"

#include <memory>

#include "utilex/UtilexClassObject.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex {

automation::ComponentServer& componentServer()
{
    static automation::ComponentServer server(utilexLibrary(),
                                              {{utilexClassInfo().clsid, []() -> automation::ObjectRef {
                                                    return std::make_shared<UtilexClassObject>(Library::Utilex4);
                                                }}});
    return server;
}

} // namespace utilex

AUTOMATION_COMPONENT_ENTRY_POINTS(utilex::componentServer())
