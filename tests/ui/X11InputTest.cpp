#include "ui/X11Input.h"

#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <gtest/gtest.h>

#include "DisplayTest.h"

namespace {

using automation::SystemServices;
using KeyboardState = SystemServices::KeyboardState;

constexpr std::uint32_t capsLockKeysym = 0xFFE5;

// The keyboard and pointer of the virtual display, driven through XTest as a user would.
class X11InputTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_user = xcb_connect(display().name().toLocal8Bit().constData(), nullptr);
        m_caller = xcb_connect(display().name().toLocal8Bit().constData(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(m_user), 0);
        ASSERT_EQ(xcb_connection_has_error(m_caller), 0);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_user)).data->root;
        m_input = std::make_unique<ui::X11Input>(m_caller);
        setLocks(false, false);
    }
    void TearDown() override
    {
        m_input.reset();
        for (xcb_connection_t* connection : {m_caller, m_user})
            if (connection)
                xcb_disconnect(connection);
    }

    void fake(std::uint8_t type, std::uint8_t detail)
    {
        xcb_test_fake_input(m_user, type, detail, XCB_CURRENT_TIME, m_root, 0, 0, 0);
        std::free(xcb_get_input_focus_reply(m_user, xcb_get_input_focus(m_user), nullptr));
    }

    void setLocks(bool caps, bool num)
    {
        KeyboardState state{};
        state[SystemServices::capsLockKey] = caps ? 1 : 0;
        state[SystemServices::numLockKey] = num ? 1 : 0;
        m_input->setLocks(state);
    }

    std::uint8_t keycodeOf(std::uint32_t keysym) const
    {
        const xcb_setup_t* setup = xcb_get_setup(m_user);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
            xcb_get_keyboard_mapping_reply(
                m_user, xcb_get_keyboard_mapping(m_user, setup->min_keycode, std::uint8_t(count)), nullptr),
            &std::free);
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
        for (int i = 0; i < count * mapping->keysyms_per_keycode; ++i)
            if (keysyms[i] == keysym)
                return std::uint8_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
        return 0;
    }

    xcb_connection_t* m_user = nullptr;
    xcb_connection_t* m_caller = nullptr;
    xcb_window_t m_root = 0;
    std::unique_ptr<ui::X11Input> m_input;
};

} // namespace

TEST_F(X11InputTest, LocksSetAreReadBackAndTheOtherKeysStayOff)
{
    const KeyboardState off = m_input->keyboardState();
    EXPECT_EQ(off[SystemServices::capsLockKey], 0);
    EXPECT_EQ(off[SystemServices::numLockKey], 0);

    setLocks(true, false);
    KeyboardState state = m_input->keyboardState();
    EXPECT_EQ(state[SystemServices::capsLockKey], 1);
    EXPECT_EQ(state[SystemServices::numLockKey], 0);

    setLocks(true, true);
    state = m_input->keyboardState();
    EXPECT_EQ(state[SystemServices::capsLockKey], 1);
    EXPECT_EQ(state[SystemServices::numLockKey], 1);
    // Another client of the display sees it too: the toggle is the keyboard's, not the caller's.
    EXPECT_EQ(ui::X11Input(m_user).keyboardState()[SystemServices::numLockKey], 1);

    setLocks(false, true);
    state = m_input->keyboardState();
    EXPECT_EQ(state[SystemServices::capsLockKey], 0);
    EXPECT_EQ(state[SystemServices::numLockKey], 1);
    state[SystemServices::numLockKey] = 0;
    EXPECT_EQ(state, KeyboardState{});
    setLocks(false, false);
}

TEST_F(X11InputTest, ALockKeyHeldDownReadsAsHeld)
{
    const std::uint8_t caps = keycodeOf(capsLockKeysym);
    ASSERT_NE(caps, 0);
    fake(XCB_KEY_PRESS, caps);
    EXPECT_TRUE(m_input->keyboardState()[SystemServices::capsLockKey] & 0x80);
    fake(XCB_KEY_RELEASE, caps);
    EXPECT_FALSE(m_input->keyboardState()[SystemServices::capsLockKey] & 0x80);
    setLocks(false, false);
}

TEST_F(X11InputTest, MouseButtonsPressedWithXTestAreSeen)
{
    EXPECT_EQ(m_input->mouseButtons(), 0u);
    const struct {
        std::vector<std::uint8_t> pressed;
        unsigned expected;
    } cases[] = {
        {{1}, SystemServices::LeftButton},
        {{3}, SystemServices::RightButton},
        {{2}, SystemServices::MiddleButton},
        {{1, 3}, SystemServices::LeftButton | SystemServices::RightButton},
        {{3, 2}, SystemServices::RightButton | SystemServices::MiddleButton},
    };
    for (const auto& pressing : cases) {
        for (const std::uint8_t button : pressing.pressed)
            fake(XCB_BUTTON_PRESS, button);
        EXPECT_EQ(m_input->mouseButtons(), pressing.expected);
        for (const std::uint8_t button : pressing.pressed)
            fake(XCB_BUTTON_RELEASE, button);
        EXPECT_EQ(m_input->mouseButtons(), 0u);
    }
}
