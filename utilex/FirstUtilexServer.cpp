#include <memory>

#include "utilex/FirstUtilexTypeLibrary.h"
#include "utilex/UtilexClassObject.h"
#include "utilex/UtilexServer.h"

namespace utilex {

automation::ComponentServer& componentServer()
{
    static automation::ComponentServer server(first::utilexLibrary(),
                                              {{first::utilexClassInfo().clsid, []() -> automation::ObjectRef {
                                                    return std::make_shared<UtilexClassObject>(Library::Utilex);
                                                }}});
    return server;
}

} // namespace utilex

AUTOMATION_COMPONENT_ENTRY_POINTS(utilex::componentServer())
