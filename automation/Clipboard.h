#pragma once

#include <functional>

#include <QString>

namespace automation {

// The runtime's Clipboard object as components see it, for plain text only. The program's window
// layer installs the desktop's clipboard; without it the text is kept in the process. A backend
// that cannot reach the clipboard raises 521 (Can't open Clipboard).
class Clipboard {
public:
    struct Backend {
        std::function<QString()> getText;
        // Replaces the text and leaves data of other formats on the clipboard.
        std::function<void(const QString& text)> setText;
        // Empties the clipboard of every format.
        std::function<void()> clear;
    };

    // The clipboard's text; empty when it holds none.
    static QString getText();
    static void setText(const QString& text);
    static void clear();
    // An empty backend puts back the process's own clipboard.
    static void install(Backend backend);
};

} // namespace automation
