#include "ui/X11Windows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include "DisplayTest.h"

namespace {

using Window = ui::X11Windows::Window;

// A client of the display that owns windows, as another program would, and that can stand in
// for a window manager.
class Peer {
public:
    explicit Peer(const QString& display) : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
    ~Peer() { xcb_disconnect(m_connection); }

    xcb_connection_t* connection() const { return m_connection; }
    Window root() const { return m_root; }

    std::uint32_t atom(const char* name) const
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_connection,
                                  xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
            &std::free);
        return reply->atom;
    }

    Window window(const QByteArray& title, bool utf8Title, bool takesDelete, bool mapped = true)
    {
        const Window window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (utf8Title)
            setProperty(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, title.constData(), title.size());
        else
            setProperty(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, title.constData(), title.size());
        if (takesDelete) {
            const std::uint32_t deleteWindow = atom("WM_DELETE_WINDOW");
            setProperty(window, atom("WM_PROTOCOLS"), XCB_ATOM_ATOM, 32, &deleteWindow, 1);
        }
        if (mapped)
            xcb_map_window(m_connection, window);
        sync();
        return window;
    }

    // Everything asked so far is done before the other connection looks.
    void sync() { std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    void setProperty(Window window, std::uint32_t name, std::uint32_t type, int format, const void* data, int count)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, name, type, std::uint8_t(format),
                            std::uint32_t(count), data);
        sync();
    }

    void setAtoms(Window window, const char* name, std::vector<std::uint32_t> values,
                  std::uint32_t type = XCB_ATOM_ATOM)
    {
        setProperty(window, atom(name), type, 32, values.data(), int(values.size()));
    }

    std::vector<std::uint32_t> atoms(Window window, const char* name)
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, atom(name), XCB_ATOM_ATOM, 0, 1024), nullptr),
            &std::free);
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        return std::vector<std::uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
    }

    bool isMapped(Window window)
    {
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> reply(
            xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr),
            &std::free);
        return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    // The next client message, within two seconds.
    std::optional<xcb_client_message_event_t> clientMessage()
    {
        const QDeadlineTimer deadline(2000);
        while (!deadline.hasExpired()) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection),
                                                                             &std::free);
            if (!event) {
                QThread::msleep(10);
                continue;
            }
            if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE)
                return *reinterpret_cast<xcb_client_message_event_t*>(event.get());
        }
        return std::nullopt;
    }

    // Takes the part of a running window manager that manages the given clients.
    void actAsWindowManager(const std::vector<Window>& clients)
    {
        const Window check = window("", true, false, false);
        setAtoms(m_root, "_NET_SUPPORTING_WM_CHECK", {check}, XCB_ATOM_WINDOW);
        setAtoms(check, "_NET_SUPPORTING_WM_CHECK", {check}, XCB_ATOM_WINDOW);
        setAtoms(
            m_root, "_NET_SUPPORTED",
            {atom("_NET_CLIENT_LIST"), atom("_NET_CLOSE_WINDOW"), atom("_NET_WM_STATE"), atom("_NET_WM_STATE_ABOVE")});
        setAtoms(m_root, "_NET_CLIENT_LIST", clients, XCB_ATOM_WINDOW);
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        sync();
    }

    void stopActingAsWindowManager()
    {
        for (const char* name : {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_CLIENT_LIST"})
            xcb_delete_property(m_connection, m_root, atom(name));
        sync();
    }

private:
    xcb_connection_t* m_connection;
    Window m_root;
};

class X11WindowsTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_peer = std::make_unique<Peer>(display().name());
        m_caller = xcb_connect(display().name().toLocal8Bit().constData(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(m_peer->connection()), 0);
        ASSERT_EQ(xcb_connection_has_error(m_caller), 0);
        m_windows = std::make_unique<ui::X11Windows>(m_caller);
    }
    void TearDown() override
    {
        m_windows.reset();
        if (m_caller)
            xcb_disconnect(m_caller);
        m_peer.reset();
    }

    std::unique_ptr<Peer> m_peer;
    xcb_connection_t* m_caller = nullptr;
    std::unique_ptr<ui::X11Windows> m_windows;
};

} // namespace

TEST_F(X11WindowsTest, FindsAWindowByItsExactTitleTopmostFirst)
{
    const Window older = m_peer->window("Listino 2026", false, true);
    const Window newer = m_peer->window("Listino 2026", true, true);
    const Window accented = m_peer->window("Però", true, true);
    EXPECT_EQ(m_windows->findTitled(QStringLiteral("Listino 2026")), newer);
    EXPECT_EQ(m_windows->findTitled(QStringLiteral("Però")), accented);
    EXPECT_EQ(m_windows->titleOf(older), QStringLiteral("Listino 2026"));
    EXPECT_FALSE(m_windows->findTitled(QStringLiteral("Listino")));
    EXPECT_FALSE(m_windows->findTitled(QStringLiteral("listino 2026")));
}

TEST_F(X11WindowsTest, AClosePostsTheWindowsOwnDeleteRequest)
{
    const Window taking = m_peer->window("Da chiudere", true, true);
    const Window refusing = m_peer->window("Senza protocollo", true, false);
    ASSERT_TRUE(m_windows->requestClose(taking));
    const auto message = m_peer->clientMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->window, taking);
    EXPECT_EQ(message->type, m_peer->atom("WM_PROTOCOLS"));
    EXPECT_EQ(message->data.data32[0], m_peer->atom("WM_DELETE_WINDOW"));

    EXPECT_FALSE(m_windows->requestClose(refusing));
    EXPECT_FALSE(m_windows->requestClose(0x1FFFFFF));
    EXPECT_FALSE(m_peer->clientMessage());
}

TEST_F(X11WindowsTest, TheTopmostBandWithoutAWindowManagerIsTheWindowsStateAndShowsIt)
{
    const Window window = m_peer->window("Sempre sopra", true, true, false);
    m_peer->setAtoms(window, "_NET_WM_STATE", {m_peer->atom("_NET_WM_STATE_STICKY")});
    m_windows->setAbove(window, true);
    EXPECT_EQ(m_peer->atoms(window, "_NET_WM_STATE"),
              (std::vector<std::uint32_t>{m_peer->atom("_NET_WM_STATE_STICKY"), m_peer->atom("_NET_WM_STATE_ABOVE")}));
    EXPECT_TRUE(m_peer->isMapped(window));
    m_windows->setAbove(window, false);
    EXPECT_EQ(m_peer->atoms(window, "_NET_WM_STATE"),
              (std::vector<std::uint32_t>{m_peer->atom("_NET_WM_STATE_STICKY")}));
    m_windows->setAbove(0x1FFFFFF, true);
}

TEST_F(X11WindowsTest, AWindowManagerListsTheWindowsAndTakesTheRequests)
{
    const Window client = m_peer->window("Gestita", true, true);
    m_peer->window("Gestita", true, true); // not among the manager's clients
    m_peer->actAsWindowManager({client});

    EXPECT_EQ(m_windows->findTitled(QStringLiteral("Gestita")), client);
    ASSERT_TRUE(m_windows->requestClose(client));
    auto message = m_peer->clientMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->window, client);
    EXPECT_EQ(message->type, m_peer->atom("_NET_CLOSE_WINDOW"));

    m_windows->setAbove(client, true);
    message = m_peer->clientMessage();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->type, m_peer->atom("_NET_WM_STATE"));
    EXPECT_EQ(message->data.data32[0], 1u);
    EXPECT_EQ(message->data.data32[1], m_peer->atom("_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(m_peer->atoms(client, "_NET_WM_STATE").empty());
    m_peer->stopActingAsWindowManager();
}

TEST_F(X11WindowsTest, PanelsAreTheDockWindowsFramedOrNotAndHideAndShowTogether)
{
    EXPECT_TRUE(m_windows->panels().empty());
    m_windows->showPanels(false);

    const Window bar = m_peer->window("", true, false);
    m_peer->setAtoms(bar, "_NET_WM_WINDOW_TYPE", {m_peer->atom("_NET_WM_WINDOW_TYPE_DOCK")});
    const Window frame = m_peer->window("", true, false);
    const Window framed = m_peer->window("", true, false);
    xcb_reparent_window(m_peer->connection(), framed, frame, 0, 0);
    m_peer->setAtoms(framed, "_NET_WM_WINDOW_TYPE",
                     {m_peer->atom("_NET_WM_WINDOW_TYPE_NORMAL"), m_peer->atom("_NET_WM_WINDOW_TYPE_DOCK")});
    const Window normal = m_peer->window("Schedex", true, true);
    m_peer->setAtoms(normal, "_NET_WM_WINDOW_TYPE", {m_peer->atom("_NET_WM_WINDOW_TYPE_NORMAL")});

    std::vector<Window> panels = m_windows->panels();
    std::sort(panels.begin(), panels.end());
    EXPECT_EQ(panels, (std::vector<Window>{std::min(bar, framed), std::max(bar, framed)}));

    m_windows->showPanels(false);
    EXPECT_FALSE(m_peer->isMapped(bar));
    EXPECT_FALSE(m_peer->isMapped(framed));
    EXPECT_TRUE(m_peer->isMapped(frame));
    EXPECT_TRUE(m_peer->isMapped(normal));
    EXPECT_EQ(m_windows->panels().size(), 2u);

    m_windows->showPanels(true);
    EXPECT_TRUE(m_peer->isMapped(bar));
    EXPECT_TRUE(m_peer->isMapped(framed));
    EXPECT_TRUE(m_peer->isMapped(normal));
}
