#pragma once

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace ui {

struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply> using XcbReplyPtr = std::unique_ptr<Reply, FreeXcbReply>;

// The reply to a request, or none when it failed. A request on a window that is gone fails; the
// error is the caller's answer, not an event for the connection's owner.
template <class Reply, class Fetch, class Cookie>
XcbReplyPtr<Reply> xcbReplyOf(xcb_connection_t* connection, Fetch fetch, Cookie cookie)
{
    xcb_generic_error_t* error = nullptr;
    XcbReplyPtr<Reply> reply(fetch(connection, cookie, &error));
    std::free(error);
    return reply;
}

} // namespace ui
