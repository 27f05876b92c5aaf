#include "utilex/UtilexClassObject.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"
#include "utilex/UtilexClassThunks.h"
#include "utilex/UtilexServer.h"
#include "utilex/UtilexTypeLibrary.h"

namespace utilex {

namespace {

// The form, window and device methods are not available in this build of the library.
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

void UtilexClassObject::PlayWav(QString&) { notSupported(); }
void UtilexClassObject::ShowTaskBar(Boolean&) { notSupported(); }
void UtilexClassObject::ExitWin(Variant) { notSupported(); }
void UtilexClassObject::CambiaSfondoDeskTop(QString&) { notSupported(); }
void UtilexClassObject::PrinterPrintAt(QString&, float&, float&) { notSupported(); }
Boolean UtilexClassObject::AppClose(QString&) { notSupported(); }
std::int16_t UtilexClassObject::GetMDIChildCount() { notSupported(); }
Boolean UtilexClassObject::GetCapsLock() { notSupported(); }
Boolean UtilexClassObject::GetNumLock() { notSupported(); }
void UtilexClassObject::SetCapsLock(Boolean&) { notSupported(); }
void UtilexClassObject::SetNumLock(Boolean&) { notSupported(); }
void UtilexClassObject::CenterForm(ObjectRef&) { notSupported(); }
void UtilexClassObject::AlwaysOnTop(ObjectRef&, Boolean&) { notSupported(); }
void UtilexClassObject::TileBkgd(ObjectRef&, ObjectRef&, QString&) { notSupported(); }
void UtilexClassObject::LoadFormPosition(ObjectRef&, QString&, Boolean&, Boolean&) { notSupported(); }
void UtilexClassObject::SaveFormPosition(ObjectRef&, QString&) { notSupported(); }
void UtilexClassObject::SelText(ObjectRef&) { notSupported(); }
void UtilexClassObject::SaveAllFormValueControlToIni(ObjectRef, QString, Boolean&, Boolean&) { notSupported(); }
void UtilexClassObject::LoadAllFormValueControlFromIni(ObjectRef, QString, Boolean&, Boolean&) { notSupported(); }
std::uint8_t UtilexClassObject::GetMouseKey() { notSupported(); }
Boolean UtilexClassObject::DisableControl(ObjectRef&, Boolean&, Variant&) { notSupported(); }
Boolean UtilexClassObject::IsPrinterInstalled() { notSupported(); }
void UtilexClassObject::LoadOneControlValueFromIni(ObjectRef&, ObjectRef&, QString&) { notSupported(); }
void UtilexClassObject::SaveOneControlValue2Ini(ObjectRef&, ObjectRef&, QString&) { notSupported(); }

} // namespace utilex
