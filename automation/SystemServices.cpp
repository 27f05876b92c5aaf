#include "automation/SystemServices.h"

#include <utility>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace automation {

namespace {

struct SystemState {
    SystemServices::KeyboardState keyboard{};
    SystemServices::Backend backend;
};

SystemState& state()
{
    static SystemState system;
    return system;
}

const SystemServices::Backend& backend()
{
    return state().backend;
}

} // namespace

void SystemServices::playSound(const QString& hostPath)
{
    if (backend().playSound)
        backend().playSound(hostPath);
}

void SystemServices::showPanels(bool shown)
{
    if (backend().showPanels)
        backend().showPanels(shown);
}

void SystemServices::endSession(SessionEnd end, bool force)
{
    if (backend().endSession)
        backend().endSession(end, force);
}

void SystemServices::setWallpaper(const QString& hostPath)
{
    if (backend().setWallpaper)
        backend().setWallpaper(hostPath);
}

bool SystemServices::hasPrinter()
{
    return backend().hasPrinter ? backend().hasPrinter() : false;
}

void SystemServices::printAt(const QString& text, double x, double y)
{
    if (!backend().printAt)
        throw platform::RuntimeError(platform::PrinterInformationError);
    backend().printAt(text, x, y);
}

void SystemServices::endDocument()
{
    if (backend().endDocument)
        backend().endDocument();
}

SystemServices::KeyboardState SystemServices::keyboardState()
{
    return backend().keyboardState ? backend().keyboardState() : state().keyboard;
}

void SystemServices::setKeyboardState(const KeyboardState& keyboard)
{
    if (backend().setKeyboardState)
        backend().setKeyboardState(keyboard);
    else
        state().keyboard = keyboard;
}

unsigned SystemServices::mouseButtons()
{
    return backend().mouseButtons ? backend().mouseButtons() : 0;
}

void SystemServices::install(Backend installed)
{
    state().backend = std::move(installed);
}

} // namespace automation
