#include "ui/X11Windows.h"

#include <algorithm>
#include <cstring>
#include <xcb/xcb.h>

#include "ui/XcbReply.h"

namespace ui {

namespace {

constexpr std::uint32_t iconicState = 3;
constexpr std::uint32_t sourceApplication = 1;
constexpr std::uint32_t sourcePager = 2;
constexpr std::uint32_t removeState = 0;
constexpr std::uint32_t addState = 1;

} // namespace

X11Windows::X11Windows(xcb_connection_t* connection)
    : m_connection(connection), m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
{
}

std::uint32_t X11Windows::atom(const char* name) const
{
    const auto reply = xcbReplyOf<xcb_intern_atom_reply_t>(
        m_connection, &xcb_intern_atom_reply, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name));
    return reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> X11Windows::property32(Window window, std::uint32_t name, std::uint32_t type) const
{
    const auto reply = xcbReplyOf<xcb_get_property_reply_t>(
        m_connection, &xcb_get_property_reply, xcb_get_property(m_connection, 0, window, name, type, 0, 1 << 16));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

// A window manager that is running names its check window on the root and on the window itself.
bool X11Windows::windowManagerSupports(std::uint32_t feature) const
{
    const std::uint32_t check = atom("_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> checkWindow = property32(m_root, check, XCB_ATOM_WINDOW);
    if (checkWindow.empty() || property32(checkWindow.front(), check, XCB_ATOM_WINDOW) != checkWindow)
        return false;
    const std::vector<std::uint32_t> supported = property32(m_root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

std::vector<X11Windows::Window> X11Windows::topLevelWindows() const
{
    // The stacking list runs bottom to top; the plain one oldest first.
    for (const char* list : {"_NET_CLIENT_LIST_STACKING", "_NET_CLIENT_LIST"}) {
        const std::uint32_t clients = atom(list);
        if (!windowManagerSupports(clients))
            continue;
        std::vector<Window> windows = property32(m_root, clients, XCB_ATOM_WINDOW);
        std::reverse(windows.begin(), windows.end());
        return windows;
    }

    std::vector<Window> windows = childrenOf(m_root);
    std::reverse(windows.begin(), windows.end());
    return windows;
}

// Bottom to top.
std::vector<X11Windows::Window> X11Windows::childrenOf(Window window) const
{
    const auto tree =
        xcbReplyOf<xcb_query_tree_reply_t>(m_connection, &xcb_query_tree_reply, xcb_query_tree(m_connection, window));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return std::vector<Window>(children, children + xcb_query_tree_children_length(tree.get()));
}

QString X11Windows::titleOf(Window window) const
{
    const std::uint32_t utf8 = atom("UTF8_STRING");
    for (const std::uint32_t name : {atom("_NET_WM_NAME"), std::uint32_t(XCB_ATOM_WM_NAME)}) {
        const auto reply = xcbReplyOf<xcb_get_property_reply_t>(
            m_connection, &xcb_get_property_reply,
            xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16));
        if (!reply || reply->format != 8 || reply->type == XCB_ATOM_NONE)
            continue;
        const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
        const int length = xcb_get_property_value_length(reply.get());
        return reply->type == utf8 ? QString::fromUtf8(text, length) : QString::fromLatin1(text, length);
    }
    return QString();
}

std::optional<X11Windows::Window> X11Windows::findTitled(const QString& title) const
{
    for (const Window window : topLevelWindows())
        if (titleOf(window) == title)
            return window;
    return std::nullopt;
}

bool X11Windows::sendClientMessage(Window destination, Window window, std::uint32_t type,
                                   const std::vector<std::uint32_t>& data) const
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy_n(data.begin(), std::min<std::size_t>(data.size(), 5), event.data.data32);
    const std::uint32_t mask = destination == m_root
                                   ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT
                                   : XCB_EVENT_MASK_NO_EVENT;
    const XcbReplyPtr<xcb_generic_error_t> error(
        xcb_request_check(m_connection, xcb_send_event_checked(m_connection, 0, destination, mask,
                                                               reinterpret_cast<const char*>(&event))));
    return !error;
}

bool X11Windows::requestClose(Window window) const
{
    const std::uint32_t netClose = atom("_NET_CLOSE_WINDOW");
    if (windowManagerSupports(netClose))
        return sendClientMessage(m_root, window, netClose, {XCB_CURRENT_TIME, sourcePager});
    const std::uint32_t protocols = atom("WM_PROTOCOLS");
    const std::uint32_t deleteWindow = atom("WM_DELETE_WINDOW");
    const std::vector<std::uint32_t> taken = property32(window, protocols, XCB_ATOM_ATOM);
    if (std::find(taken.begin(), taken.end(), deleteWindow) == taken.end())
        return false;
    return sendClientMessage(window, window, protocols, {deleteWindow, XCB_CURRENT_TIME});
}

void X11Windows::setAbove(Window window, bool above) const
{
    const auto attributes = xcbReplyOf<xcb_get_window_attributes_reply_t>(
        m_connection, &xcb_get_window_attributes_reply, xcb_get_window_attributes(m_connection, window));
    if (!attributes)
        return;
    const std::uint32_t state = atom("_NET_WM_STATE");
    const std::uint32_t stateAbove = atom("_NET_WM_STATE_ABOVE");
    if (windowManagerSupports(stateAbove)) {
        sendClientMessage(m_root, window, state, {above ? addState : removeState, stateAbove, 0, sourceApplication});
    } else {
        // Without a window manager the property is the only record, and stacking is the client's.
        std::vector<std::uint32_t> states = property32(window, state, XCB_ATOM_ATOM);
        states.erase(std::remove(states.begin(), states.end(), stateAbove), states.end());
        if (above)
            states.push_back(stateAbove);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                            std::uint32_t(states.size()), states.data());
        if (above) {
            const std::uint32_t stackMode = XCB_STACK_MODE_ABOVE;
            xcb_configure_window(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &stackMode);
        }
    }
    if (attributes->map_state == XCB_MAP_STATE_UNMAPPED)
        showUnlessMinimised(window);
    sync();
}

// A round trip: the change is made when the call returns, as the platform's call is.
void X11Windows::sync() const
{
    xcbReplyOf<xcb_get_input_focus_reply_t>(m_connection, &xcb_get_input_focus_reply,
                                            xcb_get_input_focus(m_connection));
}

std::vector<X11Windows::Window> X11Windows::panels() const
{
    const std::uint32_t type = atom("_NET_WM_WINDOW_TYPE");
    const std::uint32_t dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
    const auto isPanel = [&](Window window) {
        const std::vector<std::uint32_t> types = property32(window, type, XCB_ATOM_ATOM);
        return std::find(types.begin(), types.end(), dock) != types.end();
    };
    std::vector<Window> found;
    for (const Window window : childrenOf(m_root)) {
        if (isPanel(window)) {
            found.push_back(window);
            continue;
        }
        for (const Window framed : childrenOf(window))
            if (isPanel(framed))
                found.push_back(framed);
    }
    return found;
}

void X11Windows::showPanels(bool shown) const
{
    for (const Window panel : panels()) {
        if (shown)
            xcb_map_window(m_connection, panel);
        else
            xcb_unmap_window(m_connection, panel);
    }
    sync();
}

void X11Windows::showUnlessMinimised(Window window) const
{
    const std::uint32_t wmState = atom("WM_STATE");
    const std::vector<std::uint32_t> current = property32(window, wmState, wmState);
    if (!current.empty() && current.front() == iconicState)
        return;
    xcb_map_window(m_connection, window);
}

} // namespace ui
