#include "platform/ErrorNumber.h"
#include "platform/Process.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

// The platform's name queries fill a buffer of 255 characters, NUL included.
constexpr qsizetype nameBufferSize = 255;

bool fitsNameBuffer(const QString& name)
{
    return !name.isEmpty() && name.size() < nameBufferSize;
}

} // namespace

void UtilexClassObject::WaitForShell(std::int32_t& pid)
{
    // Ids the platform never hands out cannot be opened; on the host they would name process groups.
    if (pid <= 0)
        return;
    platform::process::waitFor(pid);
}

void UtilexClassObject::Wait(std::int32_t& Millisecondi)
{
    // Mended: a negative count would be an endless sleep.
    if (Millisecondi < 0)
        throw platform::RuntimeError(platform::InvalidProcedureCall);
    platform::process::sleepMilliseconds(static_cast<std::uint32_t>(Millisecondi));
}

// A built library never runs inside its development environment.
Variant UtilexClassObject::RunningOnIDE()
{
    return Variant::fromBoolean(false);
}

QString UtilexClassObject::ComputerName()
{
    try {
        const QString name = platform::Workstation::current().computerName();
        if (fitsNameBuffer(name))
            return name;
    } catch (const platform::RuntimeError&) {
    }
    return QString::fromUtf16(u"Sconosciuto");
}

QString UtilexClassObject::NomeUtente()
{
    QString name;
    try {
        name = platform::Workstation::current().userName();
    } catch (const platform::RuntimeError&) {
        throw platform::RuntimeError(platform::InvalidProcedureCall);
    }
    if (!fitsNameBuffer(name))
        throw platform::RuntimeError(platform::InvalidProcedureCall);
    return name;
}

} // namespace utilex
