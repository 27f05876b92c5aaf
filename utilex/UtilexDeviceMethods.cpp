#include <QFileInfo>

#include "automation/SystemServices.h"
#include "platform/Profile.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

using namespace Qt::StringLiterals;
using automation::SystemServices;

// The flags of the platform's exit-windows call.
constexpr std::int32_t exitShutdown = 0x1;
constexpr std::int32_t exitReboot = 0x2;
constexpr std::int32_t exitForce = 0x4;
constexpr std::int32_t exitPowerOff = 0x8;

constexpr std::uint8_t toggledOn = 0x01;

SystemServices::SessionEnd sessionEndOf(std::int32_t flags)
{
    if (flags & exitReboot)
        return SystemServices::SessionEnd::Reboot;
    if (flags & (exitShutdown | exitPowerOff))
        return SystemServices::SessionEnd::ShutDown;
    return SystemServices::SessionEnd::LogOff;
}

Boolean keyIsOn(int virtualKey)
{
    return automation::toBoolean(SystemServices::keyboardState()[std::size_t(virtualKey)] != 0);
}

} // namespace

void UtilexClassObject::PlayWav(QString& FileWav)
{
    try {
        SystemServices::playSound(FileWav.isEmpty() ? QString() : platform::windowsPath::toHost(FileWav));
    } catch (const platform::RuntimeError&) {
        // A name that leads nowhere plays nothing.
    }
}

void UtilexClassObject::ShowTaskBar(Boolean& x)
{
    if (x == automation::True)
        SystemServices::showPanels(true);
    else if (x == automation::False)
        SystemServices::showPanels(false);
}

void UtilexClassObject::ExitWin(Variant nExitOption)
{
    const std::int32_t flags = nExitOption.toLong();
    SystemServices::endSession(sessionEndOf(flags), (flags & exitForce) != 0);
}

// Kept where the platform keeps it, [Desktop] Wallpaper= of win.ini, so that a client's
// GetProfileString reads it back; a file that is not there changes nothing, as the platform's
// call fails then.
void UtilexClassObject::CambiaSfondoDeskTop(QString& fILEnAME)
{
    QString windowsPath = u""_s; // an empty name is recorded as no wallpaper, not as a removed key
    QString hostPath;
    try {
        if (!fILEnAME.isEmpty()) {
            windowsPath = platform::windowsPath::fullPath(fILEnAME);
            hostPath = platform::windowsPath::toHost(windowsPath);
            if (!QFileInfo(hostPath).isFile())
                return;
        }
        platform::profile::writePrivateProfileString(u"Desktop"_s, u"Wallpaper"_s, windowsPath, u"win.ini"_s);
    } catch (const platform::RuntimeError&) {
        return;
    }
    SystemServices::setWallpaper(hostPath);
}

void UtilexClassObject::PrinterPrintAt(QString& DatoDaStampare, float& NPX, float& NPY)
{
    SystemServices::printAt(DatoDaStampare, NPX, NPY);
    m_printed = true;
}

Boolean UtilexClassObject::IsPrinterInstalled()
{
    try {
        return automation::toBoolean(SystemServices::hasPrinter());
    } catch (...) {
        return automation::False;
    }
}

Boolean UtilexClassObject::GetCapsLock()
{
    return keyIsOn(SystemServices::capsLockKey);
}

Boolean UtilexClassObject::GetNumLock()
{
    return keyIsOn(SystemServices::numLockKey);
}

void UtilexClassObject::SetCapsLock(Boolean& Attivo)
{
    setToggle(SystemServices::capsLockKey, Attivo);
}

void UtilexClassObject::SetNumLock(Boolean& Attivo)
{
    setToggle(SystemServices::numLockKey, Attivo);
}

// The whole state goes through the instance's buffer, as the platform's keyboard-state calls take it.
void UtilexClassObject::setToggle(int virtualKey, Boolean on)
{
    m_keyboardState = SystemServices::keyboardState();
    m_keyboardState[std::size_t(virtualKey)] = on ? toggledOn : 0;
    SystemServices::setKeyboardState(m_keyboardState);
}

// The buttons' bits are their virtual keys, and those are the results.
std::uint8_t UtilexClassObject::GetMouseKey()
{
    const unsigned buttons = SystemServices::mouseButtons();
    for (const unsigned button :
         {SystemServices::LeftButton, SystemServices::RightButton, SystemServices::MiddleButton})
        if (buttons & button)
            return std::uint8_t(button);
    return 0;
}

} // namespace utilex
