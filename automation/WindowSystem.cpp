#include "automation/WindowSystem.h"

#include <utility>

#include "platform/RuntimeError.h"

namespace automation {

namespace {

constexpr int invalidPicture = 481;

WindowSystem::Backend& backend()
{
    static WindowSystem::Backend installed;
    return installed;
}

} // namespace

bool WindowSystem::closeWindowTitled(const QString& title)
{
    return backend().closeWindowTitled ? backend().closeWindowTitled(title) : false;
}

void WindowSystem::setTopmost(std::int64_t window, bool topmost)
{
    if (backend().setTopmost)
        backend().setTopmost(window, topmost);
}

std::vector<ObjectRef> WindowSystem::forms()
{
    return backend().forms ? backend().forms() : std::vector<ObjectRef>{};
}

ObjectRef WindowSystem::loadPicture(const QString& fileName)
{
    if (!backend().loadPicture)
        throw platform::RuntimeError(invalidPicture);
    return backend().loadPicture(fileName);
}

void WindowSystem::install(Backend installed)
{
    backend() = std::move(installed);
}

} // namespace automation
