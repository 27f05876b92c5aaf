#include "ui/QtSystemServices.h"

#include <memory>

#include <QGuiApplication>

#include "automation/SystemServices.h"
#include "ui/DesktopWallpaper.h"
#include "ui/PrinterDocument.h"
#include "ui/SessionEnding.h"
#include "ui/SoundPlayer.h"
#include "ui/X11Connection.h"
#include "ui/X11Input.h"
#include "ui/X11Windows.h"

namespace ui {

namespace {

using automation::SystemServices;

struct Devices {
    SoundPlayer sound;
    PrinterDocument document;
};

std::unique_ptr<Devices>& devices()
{
    static std::unique_ptr<Devices> installed;
    return installed;
}

void showPanels(bool shown)
{
    if (xcb_connection_t* connection = x11Connection())
        X11Windows(connection).showPanels(shown);
}

unsigned applicationMouseButtons()
{
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    unsigned buttons = 0;
    if (held & Qt::LeftButton)
        buttons |= SystemServices::LeftButton;
    if (held & Qt::RightButton)
        buttons |= SystemServices::RightButton;
    if (held & Qt::MiddleButton)
        buttons |= SystemServices::MiddleButton;
    return buttons;
}

} // namespace

void QtSystemServices::install()
{
    devices() = std::make_unique<Devices>();
    SystemServices::Backend backend;
    backend.playSound = [](const QString& hostPath) { devices()->sound.play(hostPath); };
    backend.showPanels = &showPanels;
    backend.endSession = [](SystemServices::SessionEnd end, bool force) { SessionEnding().request(end, force); };
    backend.setWallpaper = &DesktopWallpaper::set;
    backend.hasPrinter = [] { return !PrinterDocument::defaultPrinterName().isEmpty(); };
    backend.printAt = [](const QString& text, double x, double y) { devices()->document.printAt(text, x, y); };
    backend.endDocument = [] { devices()->document.end(); };
    if (xcb_connection_t* connection = x11Connection()) {
        backend.keyboardState = [connection] { return X11Input(connection).keyboardState(); };
        backend.setKeyboardState = [connection](const SystemServices::KeyboardState& state) {
            X11Input(connection).setLocks(state);
        };
        backend.mouseButtons = [connection] { return X11Input(connection).mouseButtons(); };
    } else {
        backend.mouseButtons = &applicationMouseButtons;
    }
    SystemServices::install(std::move(backend));
}

void QtSystemServices::uninstall()
{
    SystemServices::install({});
    devices().reset();
}

} // namespace ui
