#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "automation/DispatchObject.h"

// The program's own windows, for the desktop calls of components: where there is no X display
// they are all the windows there are; on one, Qt keeps the window flags of its own windows.
namespace ui::ownWindows {

// Posts a close to the window with exactly that title, a visible one before a hidden one;
// false when there is none.
bool closeTitled(const QString& title);
// Sets or clears the stays-on-top hint of the program's window with that native id and shows
// it without activating it when it is hidden; false when no window of the program has that id.
bool setTopmost(std::int64_t handle, bool topmost);
// The top-level windows and the widgets of every MDI child window, as forms.
std::vector<automation::ObjectRef> forms();

} // namespace ui::ownWindows
