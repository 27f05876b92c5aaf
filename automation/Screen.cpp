#include "automation/Screen.h"

#include <utility>

namespace automation {

namespace {

constexpr int twipsPerPixel = 15;
constexpr int defaultWidthTwips = 800 * twipsPerPixel;
constexpr int defaultHeightTwips = 600 * twipsPerPixel;

struct ScreenState {
    int mousePointer = 0;
    Screen::Backend backend;
};

ScreenState& state()
{
    static ScreenState screen;
    return screen;
}

} // namespace

int Screen::mousePointer()
{
    return state().mousePointer;
}

void Screen::setMousePointer(int pointer)
{
    state().mousePointer = pointer;
    if (state().backend.setMousePointer)
        state().backend.setMousePointer(pointer);
}

int Screen::width()
{
    return state().backend.widthTwips ? state().backend.widthTwips() : defaultWidthTwips;
}

int Screen::height()
{
    return state().backend.heightTwips ? state().backend.heightTwips() : defaultHeightTwips;
}

void Screen::install(Backend backend)
{
    state().backend = std::move(backend);
}

} // namespace automation
