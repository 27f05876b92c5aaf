#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "automation/DispatchObject.h"

namespace automation {

// The desktop's windows as components reach them without a window toolkit of their own: a
// top-level window found by its title and asked to close, a window put in or out of the topmost
// band by its handle, the calling program's forms, and the runtime's picture loader. The
// program's window layer installs the real one; without it there are no windows (nothing is
// found, nothing changes, no form is loaded) and no file reads as a picture (481).
class WindowSystem {
public:
    struct Backend {
        // Asks the top-level window with exactly that title to close; false when there is none
        // or the request could not be posted.
        std::function<bool(const QString& title)> closeWindowTitled;
        std::function<void(std::int64_t window, bool topmost)> setTopmost;
        // The program's forms as automation objects, MDI children included.
        std::function<std::vector<ObjectRef>()> forms;
        // A picture object from a file in Windows form; an empty name gives the empty picture.
        std::function<ObjectRef(const QString& fileName)> loadPicture;
    };

    static bool closeWindowTitled(const QString& title);
    static void setTopmost(std::int64_t window, bool topmost);
    static std::vector<ObjectRef> forms();
    static ObjectRef loadPicture(const QString& fileName);
    static void install(Backend backend);
};

} // namespace automation
