#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

struct xcb_connection_t;

namespace ui {

// The top-level windows of an X display, other programs' included, reached through xcb as the
// platform's window calls reach them. With a window manager (one that answers the
// _NET_SUPPORTING_WM_CHECK test) its client list names the windows and its close and state
// requests act on them; without one the root's children are the windows, a close is the
// window's own WM_DELETE_WINDOW protocol and the topmost band is the window's _NET_WM_STATE.
class X11Windows {
public:
    using Window = std::uint32_t;

    // The connection stays the caller's.
    explicit X11Windows(xcb_connection_t* connection);

    // Topmost first where the order is known.
    std::vector<Window> topLevelWindows() const;
    // _NET_WM_NAME (UTF-8), else WM_NAME.
    QString titleOf(Window window) const;
    std::optional<Window> findTitled(const QString& title) const;
    // Posts the close request; false when the window takes none or the post failed. A window
    // without the WM_DELETE_WINDOW protocol is not killed: that would be harsher than a close.
    bool requestClose(Window window) const;
    // Puts the window in or out of the topmost band and shows it when it is hidden (not when
    // it is minimised), as the platform's set-window-position with the show flag does.
    void setAbove(Window window, bool above) const;

    // The desktop's panels: the windows of type _NET_WM_WINDOW_TYPE_DOCK among the root's
    // children and theirs (where a window manager frames them), hidden ones included.
    std::vector<Window> panels() const;
    // Shows or hides every panel.
    void showPanels(bool shown) const;

private:
    std::uint32_t atom(const char* name) const;
    std::vector<std::uint32_t> property32(Window window, std::uint32_t name, std::uint32_t type) const;
    bool windowManagerSupports(std::uint32_t feature) const;
    bool sendClientMessage(Window destination, Window window, std::uint32_t type,
                           const std::vector<std::uint32_t>& data) const;
    void showUnlessMinimised(Window window) const;
    std::vector<Window> childrenOf(Window window) const;
    void sync() const;

    xcb_connection_t* m_connection;
    Window m_root;
};

} // namespace ui
