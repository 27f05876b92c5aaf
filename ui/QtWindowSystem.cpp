#include "ui/QtWindowSystem.h"

#include "automation/WindowSystem.h"
#include "ui/OwnWindows.h"
#include "ui/PictureObject.h"
#include "ui/X11Connection.h"
#include "ui/X11Windows.h"

namespace ui {

namespace {

bool closeWindowTitled(const QString& title)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return ownWindows::closeTitled(title);
    const X11Windows windows(connection);
    const auto window = windows.findTitled(title);
    return window && windows.requestClose(*window);
}

void setTopmost(std::int64_t handle, bool topmost)
{
    if (ownWindows::setTopmost(handle, topmost))
        return;
    if (xcb_connection_t* connection = x11Connection(); connection && handle > 0)
        X11Windows(connection).setAbove(X11Windows::Window(handle), topmost);
}

automation::ObjectRef loadPicture(const QString& fileName)
{
    return std::make_shared<PictureObject>(Picture::load(fileName));
}

} // namespace

void QtWindowSystem::install()
{
    automation::WindowSystem::install({&closeWindowTitled, &setTopmost, &ownWindows::forms, &loadPicture});
}

void QtWindowSystem::uninstall()
{
    automation::WindowSystem::install({});
}

} // namespace ui
