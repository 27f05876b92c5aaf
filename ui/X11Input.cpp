#include "ui/X11Input.h"

#include <algorithm>
#include <utility>
#include <xcb/xcb.h>

#include "ui/XcbReply.h"
#include "ui/XcbXkb.h"

namespace ui {

namespace {

using automation::SystemServices;

constexpr std::uint32_t capsLockKeysym = 0xFFE5;
constexpr std::uint32_t numLockKeysym = 0xFF7F;
constexpr std::uint8_t toggledOn = 0x01;
constexpr std::uint8_t heldDown = 0x80;

} // namespace

X11Input::X11Input(xcb_connection_t* connection) : m_connection(connection)
{
    // The server takes no XKB request from a client that has not announced its version.
    const auto reply = xcbReplyOf<xcb_xkb_use_extension_reply_t>(
        m_connection, &xcb_xkb_use_extension_reply,
        xcb_xkb_use_extension(m_connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION));
    m_hasXkb = reply && reply->supported;
}

std::vector<std::uint8_t> X11Input::keycodesOf(std::uint32_t keysym) const
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = xcbReplyOf<xcb_get_keyboard_mapping_reply_t>(
        m_connection, &xcb_get_keyboard_mapping_reply,
        xcb_get_keyboard_mapping(m_connection, setup->min_keycode, std::uint8_t(count)));
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return {};
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    std::vector<std::uint8_t> keycodes;
    for (int key = 0; key < count; ++key)
        if (std::find(keysyms + key * perKeycode, keysyms + (key + 1) * perKeycode, keysym) !=
            keysyms + (key + 1) * perKeycode)
            keycodes.push_back(std::uint8_t(setup->min_keycode + key));
    return keycodes;
}

std::uint8_t X11Input::modifierOf(const std::vector<std::uint8_t>& keycodes) const
{
    const auto mapping = xcbReplyOf<xcb_get_modifier_mapping_reply_t>(m_connection, &xcb_get_modifier_mapping_reply,
                                                                      xcb_get_modifier_mapping(m_connection));
    if (!mapping)
        return 0;
    const xcb_keycode_t* bound = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    std::uint8_t mask = 0;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            if (const xcb_keycode_t key = bound[modifier * perModifier + i];
                key != 0 && std::find(keycodes.begin(), keycodes.end(), key) != keycodes.end())
                mask |= std::uint8_t(1 << modifier);
    return mask;
}

bool X11Input::isHeld(const std::vector<std::uint8_t>& keycodes) const
{
    const auto keymap =
        xcbReplyOf<xcb_query_keymap_reply_t>(m_connection, &xcb_query_keymap_reply, xcb_query_keymap(m_connection));
    return keymap && std::any_of(keycodes.begin(), keycodes.end(),
                                 [&](std::uint8_t key) { return (keymap->keys[key / 8] & (1 << (key % 8))) != 0; });
}

X11Input::KeyboardState X11Input::keyboardState() const
{
    KeyboardState state{};
    if (!m_hasXkb)
        return state;
    const auto locks = xcbReplyOf<xcb_xkb_get_state_reply_t>(m_connection, &xcb_xkb_get_state_reply,
                                                             xcb_xkb_get_state(m_connection, XCB_XKB_ID_USE_CORE_KBD));
    for (const auto& [virtualKey, keysym] : {std::pair{SystemServices::capsLockKey, capsLockKeysym},
                                             std::pair{SystemServices::numLockKey, numLockKeysym}}) {
        const std::vector<std::uint8_t> keycodes = keycodesOf(keysym);
        const std::uint8_t modifier = modifierOf(keycodes);
        std::uint8_t& key = state[std::size_t(virtualKey)];
        if (locks && modifier != 0 && (locks->lockedMods & modifier) == modifier)
            key |= toggledOn;
        if (isHeld(keycodes))
            key |= heldDown;
    }
    return state;
}

void X11Input::setLocks(const KeyboardState& state) const
{
    if (!m_hasXkb)
        return;
    std::uint8_t affected = 0;
    std::uint8_t locked = 0;
    for (const auto& [virtualKey, keysym] : {std::pair{SystemServices::capsLockKey, capsLockKeysym},
                                             std::pair{SystemServices::numLockKey, numLockKeysym}}) {
        const std::uint8_t modifier = modifierOf(keycodesOf(keysym));
        affected |= modifier;
        if (state[std::size_t(virtualKey)] & toggledOn)
            locked |= modifier;
    }
    if (affected == 0)
        return;
    // Checked, so that the locks are set when the call returns.
    std::free(xcb_request_check(m_connection, xcb_xkb_latch_lock_state_checked(m_connection, XCB_XKB_ID_USE_CORE_KBD,
                                                                               affected, locked, 0, 0, 0, 0, 0)));
}

unsigned X11Input::mouseButtons() const
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const auto pointer = xcbReplyOf<xcb_query_pointer_reply_t>(m_connection, &xcb_query_pointer_reply,
                                                               xcb_query_pointer(m_connection, root));
    if (!pointer)
        return 0;
    unsigned buttons = 0;
    if (pointer->mask & XCB_KEY_BUT_MASK_BUTTON_1)
        buttons |= SystemServices::LeftButton;
    if (pointer->mask & XCB_KEY_BUT_MASK_BUTTON_3)
        buttons |= SystemServices::RightButton;
    if (pointer->mask & XCB_KEY_BUT_MASK_BUTTON_2)
        buttons |= SystemServices::MiddleButton;
    return buttons;
}

} // namespace ui
