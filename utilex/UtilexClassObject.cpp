#include "utilex/UtilexClassObject.h"

#include "utilex/FirstUtilexThunks.h"
#include "utilex/FirstUtilexTypeLibrary.h"
#include "utilex/UtilexClassThunks.h"
#include "utilex/UtilexServer.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex {

UtilexClassObject::UtilexClassObject(Library library)
    : TypedDispatch(library == Library::Utilex4 ? utilexInterface() : first::utilexInterface()), m_library(library)
{
    if (library == Library::Utilex4)
        setThunks(utilexThunks(static_cast<utilex::_UtilexClass&>(*this)));
    else
        setThunks(first::utilexThunks(static_cast<first::_UtilexClass&>(*this)));
    componentServer().objectCreated();
}

UtilexClassObject::~UtilexClassObject()
{
    try {
        if (m_printed)
            automation::SystemServices::endDocument();
    } catch (...) {
        // A document the printer refuses is lost with the instance; the caller is gone.
    }
    componentServer().objectDestroyed();
}

} // namespace utilex
