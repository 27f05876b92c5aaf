#include "utilex/UtilexClassObject.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClassThunks.h"
#include "utilex/UtilexServer.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex {

namespace {

// The system and device methods are not available in this build of the library.
[[noreturn]] void notSupported()
{
    throw platform::RuntimeError(platform::ActionNotSupported);
}

} // namespace

UtilexClassObject::UtilexClassObject() : TypedDispatch(utilexInterface())
{
    setThunks(utilexThunks(*this));
    componentServer().objectCreated();
}

UtilexClassObject::~UtilexClassObject()
{
    componentServer().objectDestroyed();
}

void UtilexClassObject::PlayWav(QString&)
{
    notSupported();
}
void UtilexClassObject::ShowTaskBar(Boolean&)
{
    notSupported();
}
void UtilexClassObject::ExitWin(Variant)
{
    notSupported();
}
void UtilexClassObject::CambiaSfondoDeskTop(QString&)
{
    notSupported();
}
void UtilexClassObject::PrinterPrintAt(QString&, float&, float&)
{
    notSupported();
}
Boolean UtilexClassObject::GetCapsLock()
{
    notSupported();
}
Boolean UtilexClassObject::GetNumLock()
{
    notSupported();
}
void UtilexClassObject::SetCapsLock(Boolean&)
{
    notSupported();
}
void UtilexClassObject::SetNumLock(Boolean&)
{
    notSupported();
}
std::uint8_t UtilexClassObject::GetMouseKey()
{
    notSupported();
}
Boolean UtilexClassObject::IsPrinterInstalled()
{
    notSupported();
}

} // namespace utilex
